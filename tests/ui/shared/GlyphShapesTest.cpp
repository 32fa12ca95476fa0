// Whether digits drawn small can be read: glyphs as Wine's font engine draws
// Liberation Mono (the face that stands in for "Courier New") at 96 dpi.
#include "ui/shared/GlyphShapes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brelvon {
namespace {

// A picture of a glyph, one string per row: ' ' no ink, '.' a quarter, '+' a
// little more than half, '#' full ink.
InkBitmap Glyph(const std::vector<std::string>& rows)
{
    InkBitmap glyph{static_cast<int>(rows.front().size()), static_cast<int>(rows.size()), {}};
    for (const std::string& row : rows) {
        for (const char c : row) glyph.Ink.push_back(c == '#' ? 255 : c == '+' ? 144 : c == '.' ? 64 : 0);
    }
    return glyph;
}

// clang-format off
const InkBitmap ZeroAt12 = Glyph({"       ", "   ### ", "  #   #", "  #   #", "  # # #", "  #   #", "  #   #", "  #   #", "   ### ", "       "});
const InkBitmap BoldZeroAt10 = Glyph({"      ", " #### ", " #  # ", " #  # ", " #### ", " #  # ", " #  # ", "  ##  ", "      "});
const InkBitmap SmoothedZeroAt8 = Glyph({"      ", "   .  ", "  +.+ ", " .. ..", " ..+..", " .. . ", "  +.. ", "      "});
const InkBitmap EightAt12 = Glyph({"       ", "   ### ", "  #   #", "  #   #", "   ### ", "  #   #", "  #   #", "  #   #", "   ### ", "       "});
const InkBitmap BoldEightAt12 = Glyph({"       ", "   ### ", "  ## ##", "  ## ##", "   ### ", "  ## ##", "  #   #", "  ## ##", "   ### ", "       "});
const InkBitmap EightAt10 = Glyph({"      ", " #### ", " #  # ", " #  # ", "  ##  ", " #  # ", " #  # ", " #### ", "      "});
// clang-format on

TEST(GlyphShapes, AZeroWhoseDotMeetsItsSidesReadsAsAnEight)
{
    struct Case {
        const char* Name;
        const InkBitmap& Small;
        int Holes;
        bool Distinct;  // beside the zero drawn at 12 pixels
    };
    const Case cases[] = {
        {"dot apart from the sides", ZeroAt12, 1, true},
        {"dot joined to the sides", BoldZeroAt10, 2, false},
        {"smoothed: its dot is a shade, not a bar", SmoothedZeroAt8, 0, true},
        {"an eight", EightAt10, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(HolesOf(c.Small), c.Holes);
        EXPECT_EQ(DigitsStayDistinct({c.Small}, {ZeroAt12}), c.Distinct);
    }
}

TEST(GlyphShapes, BoldDrawnWithRegularStrokesIsNotBold)
{
    struct Case {
        const char* Name;
        const InkBitmap& Bold;
        const InkBitmap& Regular;
        bool LooksBold;
    };
    const Case cases[] = {
        {"12 pixels: strokes two pixels wide", BoldEightAt12, EightAt12, true},
        {"10 pixels: the same pixels as regular", EightAt10, EightAt10, false},
        {"regular beside bold", EightAt12, BoldEightAt12, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(StaysBold(c.Bold, c.Regular), c.LooksBold);
    }
}

}  // namespace
}  // namespace brelvon
