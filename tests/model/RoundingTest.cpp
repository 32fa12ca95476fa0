#include "model/Rounding.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace brelvon {
namespace {

struct RoundCase {
    const char* Name;
    double Value;
};

void PrintTo(const RoundCase& c, std::ostream* os) { *os << c.Name; }

class RoundsLikeNearbyint : public ::testing::TestWithParam<RoundCase> {};

// Bit for bit what the C library gives, so -0.0 stays -0.0.
TEST_P(RoundsLikeNearbyint, BitForBit)
{
    const double value = GetParam().Value;
    const double expected = std::nearbyint(value);
    const double rounded = RoundHalfToEven(value);
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(rounded));
    } else {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(rounded), std::bit_cast<std::uint64_t>(expected))
            << rounded << " instead of " << expected;
    }
}

constexpr double kBelowTwoTo52 = 4503599627370495.5;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rounding, RoundsLikeNearbyint,
    ::testing::Values(RoundCase{"Zero", 0.0}, RoundCase{"NegativeZero", -0.0},
                      RoundCase{"HalfToZero", 0.5}, RoundCase{"NegativeHalfToNegativeZero", -0.5},
                      RoundCase{"OneAndAHalfUp", 1.5}, RoundCase{"TwoAndAHalfDown", 2.5},
                      RoundCase{"NegativeTwoAndAHalf", -2.5}, RoundCase{"JustBelowHalf", 0.49999999999999994},
                      RoundCase{"PercentHalfway", 84.5}, RoundCase{"PercentAbove", 84.500000000001},
                      RoundCase{"SmallNegativeToNegativeZero", -0.3}, RoundCase{"Subnormal", 5e-324},
                      RoundCase{"LastFractionalHalfway", kBelowTwoTo52},
                      RoundCase{"NegativeLastFractionalHalfway", -kBelowTwoTo52},
                      RoundCase{"TwoTo52", 4503599627370496.0}, RoundCase{"Huge", -1e300},
                      RoundCase{"Infinite", std::numeric_limits<double>::infinity()},
                      RoundCase{"NotANumber", std::numeric_limits<double>::quiet_NaN()}),
    [](const ::testing::TestParamInfo<RoundCase>& info) { return std::string(info.param.Name); });
// clang-format on

}  // namespace
}  // namespace brelvon
