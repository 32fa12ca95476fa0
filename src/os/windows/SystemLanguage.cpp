// Windows knows its system language as a LANGID already.
#include "os/SystemLanguage.h"

#include <windows.h>

namespace brelvon {

std::uint16_t SystemDefaultLangId() { return ::GetSystemDefaultLangID(); }

}  // namespace brelvon
