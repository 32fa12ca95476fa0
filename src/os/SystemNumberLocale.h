#pragma once

#include "text/NumberLocale.h"

#include <string_view>

namespace brelvon {

// The separators of a locale such as "fr_FR" or "de_DE.UTF-8", as this
// system's locale data defines them. A locale the machine lacks, "C" and
// "POSIX" give English separators. On Windows the name is read as the locale
// name "fr-FR" of the system's own locale data.
[[nodiscard]] NumberLocale NumberLocaleForName(std::string_view name);

// The user's number separators: on Windows the user's regional settings (the
// user default locale, whatever the environment says); elsewhere the locale of
// LC_ALL, else LC_NUMERIC, else LANG.
[[nodiscard]] NumberLocale SystemNumberLocale();

}  // namespace brelvon
