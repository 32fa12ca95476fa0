// The separators of Windows locales, read with GetLocaleInfoEx.
#include "os/SystemNumberLocale.h"

#include "os/windows/WideText.h"

#include <algorithm>
#include <array>
#include <iterator>

#include <windows.h>

namespace brelvon {

namespace {

// One item of a locale as UTF-8; empty when the locale is unknown.
std::string LocaleText(const wchar_t* locale, LCTYPE item)
{
    std::array<wchar_t, 16> buffer{};  // a separator has at most 3 characters and the NUL
    const int length = ::GetLocaleInfoEx(locale, item, buffer.data(), static_cast<int>(buffer.size()));
    if (length <= 1) return {};
    return Utf8FromWide(std::wstring_view(buffer.data(), static_cast<std::size_t>(length) - 1));
}

// `locale` is a name such as L"fr-FR", or LOCALE_NAME_USER_DEFAULT.
NumberLocale OfWindowsLocale(const wchar_t* locale)
{
    std::string decimal = LocaleText(locale, LOCALE_SDECIMAL);
    if (decimal.empty()) return {};
    return NumberLocale(std::move(decimal), LocaleText(locale, LOCALE_STHOUSAND));
}

}  // namespace

NumberLocale NumberLocaleForName(std::string_view name)
{
    // language[_territory][.codeset][@modifier] becomes language-territory.
    name = name.substr(0, name.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX") return {};
    std::string windowsName(name);
    std::replace(windowsName.begin(), windowsName.end(), '_', '-');
    return OfWindowsLocale(WideFromUtf8(windowsName).c_str());
}

NumberLocale SystemNumberLocale() { return OfWindowsLocale(LOCALE_NAME_USER_DEFAULT); }

}  // namespace brelvon
