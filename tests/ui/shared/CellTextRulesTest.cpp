// The rules every window binding follows when a cell's text is wider than the
// cell (labels lose their end, paths their middle, numbers shrink with their
// column, narrow spaces a face lacks become one it has) and when the window is
// taller than the screen, and what copying a cut cell copies.
#include "ui/shared/CellOverflow.h"
#include "ui/shared/Ellipsis.h"
#include "ui/shared/FaceSpaces.h"
#include "ui/shared/ScrollBand.h"
#include "ui/shared/TextFit.h"

#include <gtest/gtest.h>

#include <string>

namespace brelvon {
namespace {

// Every character one unit wide, the ellipsis included; `width` units fit.
auto FitsIn(std::size_t width)
{
    return [width](const std::string& text) {
        std::size_t characters = 0;
        for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
        return characters <= width;
    };
}

struct ElideCase {
    const char* Name;
    const char* Text;
    std::size_t Width;
    const char* Shown;
};

void PrintTo(const ElideCase& c, std::ostream* os) { *os << c.Name; }

class Elision : public testing::TestWithParam<ElideCase> {};

TEST_P(Elision, KeepsTheBeginningAndAPathsLastPart)
{
    const ElideCase& c = GetParam();
    const std::string shown = ElideToFit(c.Text, FitsIn(c.Width));
    EXPECT_EQ(shown, c.Shown);
    EXPECT_TRUE(FitsIn(c.Width)(shown) || c.Width < 2);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CellText, Elision, testing::Values(
    ElideCase{"FitsUnchanged", " SYSTEM", 12, " SYSTEM"},
    ElideCase{"LabelCutAtTheEnd", " 123456789ABCDEFGHIJ", 10, " 12345678…"},
    ElideCase{"MountPointCutInTheMiddle", " /media/ann/Photos of the summer/2024", 21, " /media/ann/Pho…/2024"},
    ElideCase{"ShareCutInTheMiddle", " //nas.example.com/partage", 16, " //nas.…/partage"},
    ElideCase{"BackslashShare", " \\\\server\\a-long-share", 20, " \\\\ser…\\a-long-share"},
    ElideCase{"PathWhoseLastPartIsTooLongIsCutAtTheEnd", " /mnt/a-very-long-last-part", 12, " /mnt/a-ver…"},
    ElideCase{"NeverInsideACharacter", " ééééééé", 5, " ééé…"},
    ElideCase{"NothingFitsLeavesTheEllipsis", " ABCDEF", 1, " …"}),
    [](const testing::TestParamInfo<ElideCase>& info) { return std::string(info.param.Name); });
// clang-format on

struct CopyCase {
    const char* Name;
    const char* Whole;
    const char* Shown;
    const char* Selected;  // the part of Shown selected (its first occurrence); "" with Past for all and more
    const char* Copied;
    bool Past = false;  // the selection runs past the end of Shown
};

void PrintTo(const CopyCase& c, std::ostream* os) { *os << c.Name; }

class CopyOfACutCell : public testing::TestWithParam<CopyCase> {};

TEST_P(CopyOfACutCell, TakesWhatTheEllipsisStandsFor)
{
    const CopyCase& c = GetParam();
    const std::string shown = c.Shown;
    const std::size_t start = c.Past ? 0 : shown.find(c.Selected);
    ASSERT_NE(start, std::string::npos);
    const std::size_t end = c.Past ? shown.size() + 40 : start + std::string(c.Selected).size();
    EXPECT_EQ(WholeOfShownRange(c.Whole, shown, start, end), c.Copied);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CellText, CopyOfACutCell, testing::Values(
    CopyCase{"AllOfACutLabel", " HOLIDAY PHOTOS 2024", " HOLIDAY PH…", " HOLIDAY PH…", " HOLIDAY PHOTOS 2024"},
    CopyCase{"BeforeTheEllipsis", " HOLIDAY PHOTOS 2024", " HOLIDAY PH…", "HOLIDAY", "HOLIDAY"},
    CopyCase{"ThroughTheEllipsis", " HOLIDAY PHOTOS 2024", " HOLIDAY PH…", "PH…", "PHOTOS 2024"},
    CopyCase{"TheEllipsisAlone", " HOLIDAY PHOTOS 2024", " HOLIDAY PH…", "…", "OTOS 2024"},
    CopyCase{"PathAcrossItsMiddle", " /media/ann/Photos of the summer/2024", " /media/ann/Pho…/2024", "ann/Pho…/20",
             "ann/Photos of the summer/20"},
    CopyCase{"PathsLastPart", " /media/ann/Photos of the summer/2024", " /media/ann/Pho…/2024", "/2024", "/2024"},
    CopyCase{"TheWholesOwnEllipsisIsNotTheCut", "Wait… what a long label", "Wait… what a l…", "Wait… what a l…",
             "Wait… what a long label"},
    CopyCase{"UncutTextStandsForItself", " SYSTEM", " SYSTEM", "SYS", "SYS"},
    CopyCase{"ATextThatIsNoCutOfTheWhole", " NEW NAME", " OLD NA…", "OLD NA…", "OLD NA…"},
    CopyCase{"OffsetsPastTheEnd", " HOLIDAY PHOTOS 2024", " HOLIDAY PH…", "", " HOLIDAY PHOTOS 2024", true}),
    [](const testing::TestParamInfo<CopyCase>& info) { return std::string(info.param.Name); });
// clang-format on

TEST(CellText, OnlyLockedTextBoxesAvoidScrolling)
{
    Control label = MakeControl(ControlKind::TextBox, "Text2", "", 0, 0, 100, 100);
    Control number = label;
    number.Alignment = TextAlignment::Right;
    Control letter = label;
    letter.Alignment = TextAlignment::Center;
    EXPECT_EQ(OverflowOf(label), CellOverflow::Scroll);  // the user may type in it
    for (Control* cell : {&label, &number, &letter}) cell->Locked = true;
    EXPECT_EQ(OverflowOf(label), CellOverflow::Ellipsis);
    EXPECT_EQ(OverflowOf(number), CellOverflow::ShrinkColumn);
    EXPECT_EQ(OverflowOf(letter), CellOverflow::ShrinkColumn);
    Control caption = MakeControl(ControlKind::Label, "Label1", "", 0, 0, 100, 100);
    EXPECT_EQ(OverflowOf(caption), CellOverflow::Scroll);
    // A centred letter needs no room for the blanks around it; other texts show whole.
    EXPECT_EQ(TextToShow(letter, " C "), "C");
    EXPECT_EQ(TextToShow(number, "1,234 "), "1,234 ");
    EXPECT_EQ(TextToShow(label, " SYSTEM"), " SYSTEM");
}

TEST(CellText, AColumnShrinksToTheLargestSizeItsWidestTextFitsAt)
{
    // 10 units of text per point: 99 units wide fits at 9.75 points or less.
    const auto widest = [](double size) { return size * 10; };
    EXPECT_EQ(FittingPointSize(12, 99, widest), 9.75);
    EXPECT_EQ(FittingPointSize(9, 99, widest), 9);  // fits as it is
    EXPECT_EQ(FittingPointSize(12, 10, widest), MinimumFitPointSize);
}

struct SpaceCase {
    const char* Name;
    bool HasNarrow;
    bool HasNoBreak;
    const char* Text;
    const char* Shown;
};

void PrintTo(const SpaceCase& c, std::ostream* os) { *os << c.Name; }

class FaceSpaces : public testing::TestWithParam<SpaceCase> {};

TEST_P(FaceSpaces, NarrowSpacesTheFaceLacksBecomeOneItHas)
{
    const SpaceCase& c = GetParam();
    const auto faceHas = [&c](char32_t code) {
        if (code == U'\u00A0') return c.HasNoBreak;
        return code < 0x80 || c.HasNarrow;
    };
    EXPECT_EQ(WithSpacesTheFaceHas(c.Text, faceHas), c.Shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CellText, FaceSpaces, testing::Values(
    SpaceCase{"FaceHasTheNarrowSpace", true, true, "1\u202F234\u202F567 ", "1\u202F234\u202F567 "},
    SpaceCase{"NoBreakSpaceStandsIn", false, true, "1\u202F234\u202F567 ", "1\u00A0234\u00A0567 "},
    SpaceCase{"PlainSpaceWhenNoNoBreakSpace", false, false, "1\u2009234", "1 234"},
    SpaceCase{"OtherTextUnchanged", false, true, "1,234 ", "1,234 "}),
    [](const testing::TestParamInfo<SpaceCase>& info) { return std::string(info.param.Name); });
// clang-format on

TEST(CellText, AWindowTallerThanTheScreenScrollsItsBandOnly)
{
    // A window of 900 whose band runs from 100 to 800, on screens of 1000, 600 and 150.
    const BandFit fits = FitBandToScreen(900, 1000, 100, 800, 50);
    EXPECT_EQ(fits.ClientHeight, 900);
    EXPECT_EQ(fits.BandHeight, 700);
    EXPECT_FALSE(fits.Scrolls());
    const BandFit tall = FitBandToScreen(900, 600, 100, 800, 50);
    EXPECT_EQ(tall.ClientHeight, 600);
    EXPECT_EQ(tall.BandHeight, 400);
    EXPECT_EQ(tall.Shift, 300);
    const BandFit tiny = FitBandToScreen(900, 150, 100, 800, 50);
    EXPECT_EQ(tiny.BandHeight, 50);  // never less than a row
    EXPECT_EQ(tiny.ClientHeight, 250);
}

}  // namespace
}  // namespace brelvon
