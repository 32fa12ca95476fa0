#include "os/posix/EnvironmentLocale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace brelvon {
namespace {

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

// The variables as a shell would set them; "-" for one that is unset.
void PrintTo(const EnvCase& c, std::ostream* os)
{
    const auto value = [](const char* text) {
        return text != nullptr ? ::testing::PrintToString(std::string(text)) : std::string("-");
    };
    *os << "LC_ALL=" << value(c.All) << " LC_MESSAGES=" << value(c.Messages) << " LANG=" << value(c.Lang)
        << " LANGUAGE=" << value(c.Language);
}

class SystemLangIdFromEnv : public testing::TestWithParam<EnvCase> {};

TEST_P(SystemLangIdFromEnv, TakesLcAllThenLcMessagesThenLangButNotLanguage)
{
    const ScopedEnv all("LC_ALL", GetParam().All);
    const ScopedEnv messages("LC_MESSAGES", GetParam().Messages);
    const ScopedEnv lang("LANG", GetParam().Lang);
    const ScopedEnv language("LANGUAGE", GetParam().Language);
    EXPECT_EQ(SystemLangIdFromEnvironment(), GetParam().LangId);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SystemLanguage, SystemLangIdFromEnv,
                         testing::Values(EnvCase{"fr_FR.UTF-8", "en_US.UTF-8", "en_US.UTF-8", nullptr, 0x040C},
                                         EnvCase{nullptr, "fr_CA.UTF-8", "fr_FR.UTF-8", nullptr, 0x0C0C},
                                         EnvCase{"", "", "fr_LU.UTF-8", nullptr, 0x140C},
                                         EnvCase{nullptr, nullptr, nullptr, "fr", 0x0409},
                                         EnvCase{nullptr, nullptr, "C", "fr_FR", 0x0409}));
// clang-format on

}  // namespace
}  // namespace brelvon
