#include "text/NumberLocale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>

namespace brelvon {
namespace {

const NumberLocale English;
const NumberLocale French(",", "\u202f");

struct ParseCase {
    const char* Text;
    std::optional<double> Value;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << ::testing::PrintToString(std::string(c.Text)); }

class ParseEnglish : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseEnglish, ReadsSignDecimalsAndExponent)
{
    EXPECT_EQ(English.Parse(GetParam().Text), GetParam().Value) << GetParam().Text;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(NumberLocale, ParseEnglish,
                         testing::Values(ParseCase{"15", 15}, ParseCase{" 85 ", 85}, ParseCase{"-5", -5},
                                         ParseCase{"+7", 7}, ParseCase{"12.5", 12.5}, ParseCase{".5", 0.5},
                                         ParseCase{"5.", 5}, ParseCase{"1E2", 100}, ParseCase{"1e-1", 0.1},
                                         ParseCase{"", std::nullopt}, ParseCase{"  ", std::nullopt},
                                         ParseCase{"ab", std::nullopt}, ParseCase{"1x", std::nullopt},
                                         ParseCase{".", std::nullopt}, ParseCase{"-", std::nullopt},
                                         ParseCase{"1E", std::nullopt}, ParseCase{"1.2.3", std::nullopt},
                                         ParseCase{"12,5", std::nullopt}, ParseCase{"1e999", std::nullopt}));
// clang-format on

TEST(NumberLocale, FrenchReadsTheDecimalCommaOnly)
{
    EXPECT_EQ(French.Parse("12,5"), 12.5);
    EXPECT_EQ(French.Parse("12.5"), std::nullopt);
}

struct FormatCase {
    double Value;
    int Decimals;
    const char* English;
    const char* French;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.Value << " to " << c.Decimals << " decimals"; }

class FormatGrouped : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatGrouped, RoundsHalfAwayFromZeroAfterFifteenDigits)
{
    EXPECT_EQ(English.FormatGrouped(GetParam().Value, GetParam().Decimals), GetParam().English);
    EXPECT_EQ(French.FormatGrouped(GetParam().Value, GetParam().Decimals), GetParam().French);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    NumberLocale, FormatGrouped,
    testing::Values(FormatCase{1234567, 0, "1,234,567", "1\u202f234\u202f567"}, FormatCase{0, 0, "0", "0"},
                    FormatCase{999, 0, "999", "999"}, FormatCase{1000, 0, "1,000", "1\u202f000"},
                    FormatCase{1150 / 1000.0, 1, "1.2", "1,2"}, FormatCase{1250 / 1000.0, 1, "1.3", "1,3"},
                    FormatCase{999 / 1000.0, 1, "1.0", "1,0"}, FormatCase{40 / 1000.0, 1, "0.0", "0,0"},
                    FormatCase{50 / 1000.0, 1, "0.1", "0,1"}, FormatCase{1234567 / 1000.0, 1, "1,234.6", "1\u202f234,6"},
                    FormatCase{999950 / 1000.0, 1, "1,000.0", "1\u202f000,0"}, FormatCase{2.5, 0, "3", "3"},
                    FormatCase{-1.25, 1, "-1.3", "-1,3"}, FormatCase{-0.04, 1, "0.0", "0,0"},
                    FormatCase{9.2233720368547758e18, 0, "9,223,372,036,854,780,000", "9\u202f223\u202f372\u202f036\u202f854\u202f780\u202f000"}));
// clang-format on

TEST(NumberLocale, GeneralFormatHasNoTrailingZeros)
{
    EXPECT_EQ(English.FormatGeneral(17.5), "17.5");
    EXPECT_EQ(English.FormatGeneral(90), "90");
    EXPECT_EQ(English.FormatGeneral(0), "0");
    EXPECT_EQ(English.FormatGeneral(-2.25), "-2.25");
    EXPECT_EQ(French.FormatGeneral(17.5), "17,5");
    EXPECT_EQ(English.FormatGeneral(0.1 + 0.2), "0.3");
}

TEST(NumberLocale, ScaledIntegersGroupLikeTheirDoubles)
{
    EXPECT_EQ(English.FormatScaled(12346, 1), "1,234.6");
    EXPECT_EQ(English.FormatScaled(3, 1), "0.3");
    EXPECT_EQ(English.FormatScaled(-1234567, 0), "-1,234,567");
    EXPECT_EQ(French.FormatScaled(10, 1), "1,0");
    // Tenths of gigabytes from whole megabytes, half away from zero, agree with
    // writing megabytes / 1000 to fifteen digits and rounding.
    for (std::int64_t mb = 0; mb < 200'000; mb += 7) {
        ASSERT_EQ(English.FormatScaled((mb + 50) / 100, 1), English.FormatGrouped(static_cast<double>(mb) / 1000, 1))
            << mb;
    }
    for (std::int64_t mb : {99'999'999'999'950LL, 12'345'678'901'250LL, 1'000'000'000'050LL}) {
        EXPECT_EQ(English.FormatScaled((mb + 50) / 100, 1), English.FormatGrouped(static_cast<double>(mb) / 1000, 1))
            << mb;
    }
}

// Every Qt program runs with the C library's locale set to the user's, where
// strtod stops at '.' and printf writes ','; numbers must read and write the same.
TEST(NumberLocale, ReadsAndWritesAlikeWhateverTheCLibrarysLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr) GTEST_SKIP() << "the machine has no fr_FR.UTF-8 locale";
    EXPECT_EQ(French.Parse("12,6"), 12.6);
    EXPECT_EQ(English.Parse("12.6"), 12.6);
    EXPECT_EQ(English.Parse("1.5E+2"), 150.0);
    EXPECT_EQ(French.FormatGeneral(17.5), "17,5");
    EXPECT_EQ(English.FormatGeneral(17.5), "17.5");
    EXPECT_EQ(English.FormatGrouped(1234.5, 1), "1,234.5");
    std::setlocale(LC_NUMERIC, previous.c_str());
}

}  // namespace
}  // namespace brelvon
