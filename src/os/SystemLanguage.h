#pragma once

#include <cstdint>

namespace brelvon {

// The system's default language identifier (LANGID), the one the program's
// language follows: on Windows GetSystemDefaultLangID; elsewhere the LANGID
// of the user's locale (see os/posix/EnvironmentLocale.h).
[[nodiscard]] std::uint16_t SystemDefaultLangId();

}  // namespace brelvon
