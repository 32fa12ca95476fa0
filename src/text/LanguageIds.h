#pragma once

#include <cstdint>
#include <string_view>

namespace brelvon {

// Windows language identifiers (LANGIDs) made from POSIX locale names, so that
// the program's language test reads the same on every platform: primary
// language in bits 0-9, sublanguage in bits 10-15.
//
// "fr_FR.UTF-8" gives 0x040C and "fr_CA" 0x0C0C. A French locale without an
// identifier of its own gives 0x040C; another language without an entry gives
// that language's default identifier where known. "C", "POSIX", an empty name
// and unknown languages give 0x0409 (English, United States).
[[nodiscard]] std::uint16_t LangIdForLocaleName(std::string_view name);

}  // namespace brelvon
