#include "ui/shared/TextFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace brelvon {
namespace {

// The rule as TextFit.h states it: from the top, the first size that fits.
double WalkDown(double pointSize, double available, const std::function<double(double)>& widestWordAt)
{
    if (available <= 0 || pointSize <= 0 || widestWordAt(pointSize) <= available) return pointSize;
    for (double size = pointSize - FitPointStep; size >= MinimumFitPointSize; size -= FitPointStep) {
        if (widestWordAt(size) <= available) return size;
    }
    return MinimumFitPointSize;
}

struct FitCase {
    const char* Name;
    double PointSize;
    double Available;
    // Pixels per point of the widest word, and whether glyph advances are
    // rounded to whole pixels (as a hinted font does) or not.
    double PixelsPerPoint;
    bool Rounded;
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.Name; }

class FindsTheLargestSizeThatFits : public ::testing::TestWithParam<FitCase> {};

TEST_P(FindsTheLargestSizeThatFits, AsAWalkDownWould)
{
    const FitCase& c = GetParam();
    int measured = 0;
    const auto widest = [&](double size) {
        ++measured;
        // Seven glyphs, each rounded on its own when the font is hinted.
        const double glyph = c.PixelsPerPoint * size / 7;
        return 7 * (c.Rounded ? std::round(glyph) : glyph);
    };
    const double expected = WalkDown(c.PointSize, c.Available, widest);
    measured = 0;
    EXPECT_EQ(FittingPointSize(c.PointSize, c.Available, widest), expected);
    // Measuring a size loads a font engine: a few sizes, not every one.
    EXPECT_LE(measured, 5);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    TextFit, FindsTheLargestSizeThatFits,
    ::testing::Values(FitCase{"FitsAtItsSize", 12, 100, 8, false},
                      FitCase{"TitleShrinksFarDown", 12, 52, 8, false},
                      FitCase{"HintedTitleShrinksFarDown", 12, 52, 8, true},
                      FitCase{"OneStepDown", 12, 95.5, 8, false},
                      FitCase{"ExactlyAtAStep", 12, 80, 8, false},
                      FitCase{"HintedJustBelowAStep", 9.75, 61, 7, true},
                      FitCase{"NothingFitsSoTheSmallest", 12, 10, 8, false},
                      FitCase{"OddSizeNotOnTheGrid", 9.6, 60, 8, true},
                      FitCase{"SizeBelowTheSmallest", 5.5, 10, 8, false},
                      FitCase{"NoRoomKeepsTheSize", 12, 0, 8, false},
                      FitCase{"NoSizeKeepsIt", 0, 50, 8, false}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return std::string(info.param.Name); });
// clang-format on

}  // namespace
}  // namespace brelvon
