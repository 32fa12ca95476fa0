#include "startup/WindowProgram.h"

#include <gtest/gtest.h>

namespace brelvon {
namespace {

struct BoxCase {
    const char* Name;
    std::string Text;
    std::string Fitted;  // at 10 columns and 3 lines
};

void PrintTo(const BoxCase& c, std::ostream* out) { *out << c.Name; }

class MessageBoxText : public testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxText, FitsTheScreen) { EXPECT_EQ(FitForMessageBox(GetParam().Text, 10, 3), GetParam().Fitted); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    WindowProgram, MessageBoxText,
    testing::Values(
        BoxCase{"ShortLinesStay", "one\ntwo\n", "one\ntwo"},
        BoxCase{"BrokenAtTheLastSpace", "brelvon: a b.json", "brelvon: \na b.json"},
        BoxCase{"ALongWordIsBrokenWithin", "C:\\drïves\\x.json", "C:\\drïves\\\nx.json"},
        BoxCase{"TooManyLinesEndInAnEllipsis", "1\n2\n3\n4", "1\n2\n3\u2026"},
        BoxCase{"AHugeNameIsCut", std::string(100'000, 'x'), "xxxxxxxxxx\nxxxxxxxxxx\nxxxxxxxxx\u2026"}),
    [](const testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.Name); });
// clang-format on

}  // namespace
}  // namespace brelvon
