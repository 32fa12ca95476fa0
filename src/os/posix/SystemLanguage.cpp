// Without a system language of its own, the locale of the environment is the system's.
#include "os/SystemLanguage.h"

#include "os/posix/EnvironmentLocale.h"

namespace brelvon {

std::uint16_t SystemDefaultLangId() { return SystemLangIdFromEnvironment(); }

}  // namespace brelvon
