// A column of numbers shrinks to fit; a number too long to be read at the
// smallest size shows in a larger unit rather than cut.
#include "ui/shared/ColumnFit.h"
#include "ui/shared/TextFit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brelvon {
namespace {

struct FormsCase {
    const char* Name;
    const char* Text;
    bool French;
    const char* Exact;  // nullptr: no size
    const char* Gigabytes;
    const char* Terabytes;
};

void PrintTo(const FormsCase& c, std::ostream* os) { *os << c.Name; }

class SizeFormsRule : public testing::TestWithParam<FormsCase> {};

TEST_P(SizeFormsRule, WritesTheSameNumberInLargerUnits)
{
    const FormsCase& c = GetParam();
    const std::optional<SizeForms> forms = SizeFormsOf(c.Text, c.French);
    if (c.Exact == nullptr) {
        EXPECT_FALSE(forms.has_value());
        return;
    }
    ASSERT_TRUE(forms.has_value());
    EXPECT_EQ(forms->Exact, c.Exact);
    EXPECT_EQ(forms->Shorter, (std::vector<std::string>{c.Gigabytes, c.Terabytes}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CellText, SizeFormsRule, testing::Values(
    FormsCase{"LargestDriveInMegabytes", "18,446,744,073,710 ", false, "18,446,744,073,710 MB", "18,446,744,074 GB ", "18,446,744 TB "},
    FormsCase{"LargestDriveInGigabytes", "18,446,744,073.7  ", false, "18,446,744,073.7 GB", "18,446,744,074 GB ", "18,446,744 TB "},
    FormsCase{"HalfRoundsAwayFromZero", "1,499,500 ", false, "1,499,500 MB", "1,500 GB ", "1 TB "},
    FormsCase{"FrenchNarrowSpaces", "1\u202F000\u202F000\u202F000\u202F000 ", true, "1\u202F000\u202F000\u202F000\u202F000 Mo", "1\u202F000\u202F000\u202F000 Go ", "1\u202F000\u202F000 To "},
    FormsCase{"FrenchDecimalComma", "2\u202F500,0  ", true, "2\u202F500,0 Go", "2\u202F500 Go ", "3 To "},
    FormsCase{"Dash", "- ", false, nullptr, "", ""},
    FormsCase{"Percentage", "62 %   ", false, nullptr, "", ""},
    FormsCase{"Letter", " C ", false, nullptr, "", ""},
    FormsCase{"GroupsOfTwoAreNoSize", "12,34,567 ", false, nullptr, "", ""},
    FormsCase{"TooManyDigits", "99,999,999,999,999,999,999 ", false, nullptr, "", ""}),
    [](const testing::TestParamInfo<FormsCase>& info) { return std::string(info.param.Name); });
// clang-format on

// Every character one pixel wide per point: 18 characters fit at 6 pt in 108 pixels.
double MonospaceWidth(std::size_t /*cell*/, const std::string& text, double pointSize)
{
    std::size_t characters = 0;
    for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return static_cast<double>(characters) * pointSize;
}

struct ColumnCase {
    const char* Name;
    std::vector<ColumnCellTexts> Cells;
    double Available;
    double PointSize;
    std::vector<std::size_t> Chosen;
    bool Fits = true;
};

void PrintTo(const ColumnCase& c, std::ostream* os) { *os << c.Name; }

class ColumnFitRule : public testing::TestWithParam<ColumnCase> {};

TEST_P(ColumnFitRule, ShrinksTheColumnAndShortensOnlyWhatCannotBeRead)
{
    const ColumnCase& c = GetParam();
    const ColumnFit fit = FitColumn(c.Cells, c.Available, MonospaceWidth);
    EXPECT_DOUBLE_EQ(fit.PointSize, c.PointSize);
    EXPECT_EQ(fit.Chosen, c.Chosen);
    for (std::size_t i = 0; i < c.Cells.size() && c.Fits; ++i) {
        EXPECT_LE(MonospaceWidth(i, c.Cells[i].Texts[fit.Chosen[i]], fit.PointSize), c.Available) << "cell " << i;
    }
}

const std::vector<std::string> Exabyte{"1,000,000,000,000 ", "1,000,000,000 GB ", "1,000,000 TB "};  // 18, 17, 13
const std::vector<std::string> Largest{"18,446,744,073,710 ", "18,446,744,074 GB ", "18,446,744 TB "};  // 19, 18, 14

// clang-format off
INSTANTIATE_TEST_SUITE_P(CellText, ColumnFitRule, testing::Values(
    ColumnCase{"FitsAtItsOwnSize", {{9, {"250,057 "}}, {9, {"1,000 "}}}, 108, 9, {0, 0}},
    ColumnCase{"ShrinksForItsWidestNumber", {{9, {"250,057 "}}, {9, Exabyte}}, 108, 6, {0, 0}},
    ColumnCase{"NeverAboveTheSmallestOwnSize", {{9, {"1 "}}, {8, {"2 "}}}, 108, 8, {0, 0}},
    ColumnCase{"UnreadableDigitsTakeALargerUnit", {{9, {"250,057 "}}, {9, Largest}}, 108, 6, {0, 1}},
    ColumnCase{"TerabytesWhenGigabytesStillDoNotFit", {{9, {"250,057 "}}, {9, Largest}}, 100, 7, {0, 2}},
    ColumnCase{"NarrowestFormWhenNothingFits", {{9, Largest}}, 30, MinimumFitPointSize, {2}, false}),
    [](const testing::TestParamInfo<ColumnCase>& info) { return std::string(info.param.Name); });
// clang-format on

}  // namespace
}  // namespace brelvon
