#include "os/posix/EnvironmentLocale.h"

#include "text/LanguageIds.h"

#include <cstdlib>

namespace brelvon {

std::string LocaleFromEnvironment(const char* first, const char* second)
{
    for (const char* name : {first, second, "LANG"}) {
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0') return value;
    }
    return {};
}

std::uint16_t SystemLangIdFromEnvironment()
{
    return LangIdForLocaleName(LocaleFromEnvironment("LC_ALL", "LC_MESSAGES"));
}

}  // namespace brelvon
