#include "os/SystemDisplay.h"

#include <cstdlib>
#include <initializer_list>

namespace brelvon {

bool DisplayNamed()
{
#ifdef __APPLE__
    return true;  // the desktop is always there
#else
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
#endif
}

}  // namespace brelvon
