#include "text/LanguageIds.h"

#include <gtest/gtest.h>

namespace brelvon {
namespace {

struct LocaleCase {
    const char* Locale;
    std::uint16_t LangId;
};

void PrintTo(const LocaleCase& c, std::ostream* os) { *os << ::testing::PrintToString(std::string(c.Locale)); }

class LangIdForLocale : public testing::TestWithParam<LocaleCase> {};

TEST_P(LangIdForLocale, MapsToTheWindowsIdentifier)
{
    EXPECT_EQ(LangIdForLocaleName(GetParam().Locale), GetParam().LangId) << GetParam().Locale;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    SystemLanguage, LangIdForLocale,
    testing::Values(LocaleCase{"fr_FR.UTF-8", 0x040C}, LocaleCase{"fr_BE.UTF-8", 0x080C}, LocaleCase{"fr_CA", 0x0C0C},
                    LocaleCase{"fr_CH.UTF-8", 0x100C}, LocaleCase{"fr_LU.UTF-8", 0x140C}, LocaleCase{"fr_MC", 0x180C},
                    LocaleCase{"fr_SN.UTF-8", 0x040C}, LocaleCase{"fr", 0x040C}, LocaleCase{"fr_FR@euro", 0x040C},
                    LocaleCase{"en_US.UTF-8", 0x0409}, LocaleCase{"en_GB.UTF-8", 0x0809}, LocaleCase{"de_AT", 0x0C07},
                    LocaleCase{"de_BE.UTF-8", 0x0407}, LocaleCase{"C", 0x0409}, LocaleCase{"POSIX", 0x0409},
                    LocaleCase{"C.UTF-8", 0x0409}, LocaleCase{"", 0x0409}, LocaleCase{"tlh_XX", 0x0409}));
// clang-format on

}  // namespace
}  // namespace brelvon
