// The separators of POSIX locales, read with newlocale and nl_langinfo.
#include "os/SystemNumberLocale.h"

#include "os/posix/EnvironmentLocale.h"

#include <langinfo.h>
#include <locale.h>

#include <utility>

namespace brelvon {

NumberLocale NumberLocaleForName(std::string_view name)
{
    // The separators are wanted in UTF-8 whatever codeset the name asks for:
    // "fr_FR" and "fr_FR.ISO-8859-1" both read as "fr_FR.UTF-8".
    std::string base(name.substr(0, name.find('.')));
    std::string modifier;
    if (const auto at = name.find('@'); at != std::string_view::npos) {
        modifier = std::string(name.substr(at));
        base = base.substr(0, base.find('@'));
    }
    if (base.empty() || base == "C" || base == "POSIX") return {};
    const std::string utf8 = base + ".UTF-8" + modifier;
    locale_t handle = newlocale(LC_NUMERIC_MASK, utf8.c_str(), static_cast<locale_t>(nullptr));
    if (handle == static_cast<locale_t>(nullptr)) return {};
    std::string decimal = nl_langinfo_l(RADIXCHAR, handle);
    std::string group = nl_langinfo_l(THOUSEP, handle);
    freelocale(handle);
    if (decimal.empty()) decimal = ".";
    return {std::move(decimal), std::move(group)};
}

NumberLocale SystemNumberLocale() { return NumberLocaleForName(LocaleFromEnvironment("LC_ALL", "LC_NUMERIC")); }

}  // namespace brelvon
