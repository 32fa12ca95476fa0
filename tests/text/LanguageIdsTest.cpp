#include "platform/SystemLanguage.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace brelvon {
namespace {

struct LocaleCase {
    const char* Locale;
    std::uint16_t LangId;
};

class LangIdForLocale : public testing::TestWithParam<LocaleCase> {};

TEST_P(LangIdForLocale, MapsToTheWindowsIdentifier)
{
    EXPECT_EQ(LangIdForLocaleName(GetParam().Locale), GetParam().LangId) << GetParam().Locale;
}

INSTANTIATE_TEST_SUITE_P(
    SystemLanguage, LangIdForLocale,
    testing::Values(LocaleCase{"fr_FR.UTF-8", 0x040C}, LocaleCase{"fr_BE.UTF-8", 0x080C}, LocaleCase{"fr_CA", 0x0C0C},
                    LocaleCase{"fr_CH.UTF-8", 0x100C}, LocaleCase{"fr_LU.UTF-8", 0x140C}, LocaleCase{"fr_MC", 0x180C},
                    LocaleCase{"fr_SN.UTF-8", 0x040C}, LocaleCase{"fr", 0x040C}, LocaleCase{"fr_FR@euro", 0x040C},
                    LocaleCase{"en_US.UTF-8", 0x0409}, LocaleCase{"en_GB.UTF-8", 0x0809}, LocaleCase{"de_AT", 0x0C07},
                    LocaleCase{"de_BE.UTF-8", 0x0407}, LocaleCase{"C", 0x0409}, LocaleCase{"POSIX", 0x0409},
                    LocaleCase{"C.UTF-8", 0x0409}, LocaleCase{"", 0x0409}, LocaleCase{"tlh_XX", 0x0409}));

class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv()
    {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

struct EnvCase {
    const char* All;
    const char* Messages;
    const char* Lang;
    const char* Language;
    std::uint16_t LangId;
};

class SystemLangIdFromEnv : public testing::TestWithParam<EnvCase> {};

TEST_P(SystemLangIdFromEnv, TakesLcAllThenLcMessagesThenLangButNotLanguage)
{
    const ScopedEnv all("LC_ALL", GetParam().All);
    const ScopedEnv messages("LC_MESSAGES", GetParam().Messages);
    const ScopedEnv lang("LANG", GetParam().Lang);
    const ScopedEnv language("LANGUAGE", GetParam().Language);
    EXPECT_EQ(SystemLangIdFromEnvironment(), GetParam().LangId);
}

INSTANTIATE_TEST_SUITE_P(SystemLanguage, SystemLangIdFromEnv,
                         testing::Values(EnvCase{"fr_FR.UTF-8", "en_US.UTF-8", "en_US.UTF-8", nullptr, 0x040C},
                                         EnvCase{nullptr, "fr_CA.UTF-8", "fr_FR.UTF-8", nullptr, 0x0C0C},
                                         EnvCase{"", "", "fr_LU.UTF-8", nullptr, 0x140C},
                                         EnvCase{nullptr, nullptr, nullptr, "fr", 0x0409},
                                         EnvCase{nullptr, nullptr, "C", "fr_FR", 0x0409}));

}  // namespace
}  // namespace brelvon
