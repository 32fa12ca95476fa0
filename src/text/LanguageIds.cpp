#include "text/LanguageIds.h"

#include <array>
#include <string>

namespace brelvon {

namespace {

struct LangIdEntry {
    std::string_view Locale;  // "fr_FR" for a territory, "fr" for the language's default
    std::uint16_t LangId;
};

constexpr std::uint16_t EnglishUnitedStates = 0x0409;

constexpr std::array Entries{
    LangIdEntry{"fr", 0x040C},    LangIdEntry{"fr_FR", 0x040C}, LangIdEntry{"fr_BE", 0x080C},
    LangIdEntry{"fr_CA", 0x0C0C}, LangIdEntry{"fr_CH", 0x100C}, LangIdEntry{"fr_LU", 0x140C},
    LangIdEntry{"fr_MC", 0x180C}, LangIdEntry{"en", 0x0409},    LangIdEntry{"en_US", 0x0409},
    LangIdEntry{"en_GB", 0x0809}, LangIdEntry{"en_AU", 0x0C09}, LangIdEntry{"en_CA", 0x1009},
    LangIdEntry{"en_NZ", 0x1409}, LangIdEntry{"en_IE", 0x1809}, LangIdEntry{"en_ZA", 0x1C09},
    LangIdEntry{"en_IN", 0x4009}, LangIdEntry{"de", 0x0407},    LangIdEntry{"de_DE", 0x0407},
    LangIdEntry{"de_CH", 0x0807}, LangIdEntry{"de_AT", 0x0C07}, LangIdEntry{"de_LU", 0x1007},
    LangIdEntry{"es", 0x0C0A},    LangIdEntry{"es_ES", 0x0C0A}, LangIdEntry{"es_MX", 0x080A},
    LangIdEntry{"it", 0x0410},    LangIdEntry{"it_IT", 0x0410}, LangIdEntry{"it_CH", 0x0810},
    LangIdEntry{"nl", 0x0413},    LangIdEntry{"nl_NL", 0x0413}, LangIdEntry{"nl_BE", 0x0813},
    LangIdEntry{"pt", 0x0816},    LangIdEntry{"pt_PT", 0x0816}, LangIdEntry{"pt_BR", 0x0416},
    LangIdEntry{"ca", 0x0403},    LangIdEntry{"cs", 0x0405},    LangIdEntry{"da", 0x0406},
    LangIdEntry{"el", 0x0408},    LangIdEntry{"fi", 0x040B},    LangIdEntry{"he", 0x040D},
    LangIdEntry{"hu", 0x040E},    LangIdEntry{"ja", 0x0411},    LangIdEntry{"ko", 0x0412},
    LangIdEntry{"nb", 0x0414},    LangIdEntry{"no", 0x0414},    LangIdEntry{"pl", 0x0415},
    LangIdEntry{"ro", 0x0418},    LangIdEntry{"ru", 0x0419},    LangIdEntry{"sk", 0x041B},
    LangIdEntry{"sv", 0x041D},    LangIdEntry{"tr", 0x041F},    LangIdEntry{"uk", 0x0422},
    LangIdEntry{"ar", 0x0401},    LangIdEntry{"zh", 0x0804},    LangIdEntry{"zh_CN", 0x0804},
    LangIdEntry{"zh_TW", 0x0404}, LangIdEntry{"zh_HK", 0x0C04},
};

std::uint16_t Lookup(std::string_view key)
{
    for (const auto& entry : Entries) {
        if (entry.Locale == key) return entry.LangId;
    }
    return 0;
}

}  // namespace

std::uint16_t LangIdForLocaleName(std::string_view name)
{
    // language[_territory][.codeset][@modifier]
    if (const auto end = name.find_first_of(".@"); end != std::string_view::npos) name = name.substr(0, end);
    const std::string_view language = name.substr(0, name.find('_'));
    if (language.empty() || language == "C" || language == "POSIX") return EnglishUnitedStates;
    if (const auto exact = Lookup(name); exact != 0) return exact;
    if (const auto byLanguage = Lookup(language); byLanguage != 0) return byLanguage;
    return EnglishUnitedStates;
}

}  // namespace brelvon
