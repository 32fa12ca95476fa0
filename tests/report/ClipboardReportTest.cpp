// Field and line rules of the clipboard report that the scenarios (whole
// reports through the probe) do not vary: other heading texts, field widths
// counted in characters, and where the empty lines fall.
#include "report/ClipboardReport.h"

#include <gtest/gtest.h>

#include <vector>

namespace brelvon {
namespace {

DriveTableRow Row(int kind, std::string label = "X", std::optional<std::int64_t> total = 1)
{
    DriveTableRow row;
    row.Letter = kind > row_kind::SubtotalBase ? "S" : "C";
    row.RowLabel = std::move(label);
    row.TotalMb = total;
    row.FreeMb = 0;
    row.UsedMb = total;
    row.PercentUsed = 100;
    row.RowKind = kind;
    return row;
}

DriveTable Table(std::vector<DriveTableRow> rows)
{
    DriveTable table;
    table.Rows.emplace_back();
    for (auto& row : rows) table.Rows.push_back(std::move(row));
    table.DriveRowCount = static_cast<std::int16_t>(rows.size());
    return table;
}

// The report's lines without their CRLF; fails the test on a bare LF or CR.
std::vector<std::string> Lines(const std::string& report)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = report.find("\r\n"); end != std::string::npos; end = report.find("\r\n", start)) {
        lines.push_back(report.substr(start, end - start));
        EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos) << lines.back();
        start = end + 2;
    }
    EXPECT_EQ(start, report.size()) << "the report must end with CRLF";
    return lines;
}

const ReportHeadingTexts EnglishHeadings{"Disk", "Label", "Size", "Free", "Used", "% Used"};

struct HeadingCase {
    std::string Name;
    ReportHeadingTexts Headings;
    std::string Line;
};

void PrintTo(const HeadingCase& c, std::ostream* os) { *os << c.Name; }

class ReportHeadingLine : public testing::TestWithParam<HeadingCase> {};

TEST_P(ReportHeadingLine, AlignsTheCaptionsOfTheSixColumns)
{
    const auto lines = Lines(BuildReport(Table({Row(row_kind::Total)}), "Brelvon v1.26", GetParam().Headings));
    ASSERT_GE(lines.size(), 4U);
    EXPECT_EQ(lines[2], GetParam().Line);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Headings, ReportHeadingLine,
    testing::Values(
        HeadingCase{"EnglishHeadings", EnglishHeadings, "Disk\tLabel\t\t   Size\t   Free\t   Used\t % Used"},
        // "Utilisé" is 7 characters in 8 bytes: it fills its field exactly.
        HeadingCase{"French", {"Disq.", "Volume", "Taille", "Libre", "Utilisé", "% Utilisé"},
                    "Disq.\tVolume\t\t Taille\t  Libre\tUtilisé\t      %"},
        // A percent heading of 7 characters (8 bytes) is still written itself.
        HeadingCase{"AccentedSevenCharacterPercent", {"Disk", "Label", "Size", "Free", "Used", "% usagé"},
                    "Disk\tLabel\t\t   Size\t   Free\t   Used\t% usagé"},
        // Too long for the field: a size heading is written whole, the percent heading becomes "%".
        HeadingCase{"LongSizeHeading", {"D", "L", "Capacity", "Free", "Used", "Percent"}, "D\tL\t\tCapacity\t   Free\t   Used\tPercent"},
        HeadingCase{"LongPercentHeading", {"D", "L", "Size", "Free", "Used", "Percentage"}, "D\tL\t\t   Size\t   Free\t   Used\t      %"}),
    [](const auto& info) { return info.param.Name; });
// clang-format on

struct RowCase {
    std::string Name;
    DriveTableRow Row;
    std::string Line;
};

void PrintTo(const RowCase& c, std::ostream* os) { *os << c.Name; }

class ReportRowLine : public testing::TestWithParam<RowCase> {};

TEST_P(ReportRowLine, PadsFieldsByCharactersAndWritesLongTextWhole)
{
    const auto lines = Lines(BuildReport(Table({GetParam().Row, Row(row_kind::Total)}), "Brelvon v1.26", EnglishHeadings));
    ASSERT_GE(lines.size(), 5U);
    EXPECT_EQ(lines[4], GetParam().Line);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, ReportRowLine,
    testing::Values(
        RowCase{"AccentedLabel", Row(1, "(non prêt)", 0), "C\t(non prêt)  \t      0\t      0\t      0\t    100\t"},
        RowCase{"EmptyLabel", Row(1, "", 5), "C\t            \t      5\t      0\t      5\t    100\t"},
        RowCase{"TwelveCharacterLabelSevenDigitSize", Row(1, "TWELVE_CHARS", 9999999), "C\tTWELVE_CHARS\t9999999\t      0\t9999999\t    100\t"},
        RowCase{"LongLabelEightDigitSize", Row(1, "Sauvegardes_été", 10000000), "C\tSauvegardes_été\t10000000\t      0\t10000000\t    100\t"},
        RowCase{"EmptyCells", Row(row_kind::Total, "Drives", std::nullopt), " \tDrives      \t       \t      0\t       \t    100\t"}),
    [](const auto& info) { return info.param.Name; });
// clang-format on

struct ShapeCase {
    std::vector<int> Kinds;
    // One character per line after the heading: D drive row, S summary row, - empty line.
    std::string Shape;
};

void PrintTo(const ShapeCase& c, std::ostream* os) { *os << c.Shape; }

class ReportLineShape : public testing::TestWithParam<ShapeCase> {};

TEST_P(ReportLineShape, SetsSummaryRowsOffByOneEmptyLine)
{
    std::vector<DriveTableRow> rows;
    for (const int kind : GetParam().Kinds) rows.push_back(Row(kind));
    const auto lines = Lines(BuildReport(Table(rows), "Brelvon v1.26", EnglishHeadings));
    ASSERT_GE(lines.size(), 4U);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[3], "");
    std::string shape;
    for (std::size_t i = 4; i < lines.size(); ++i) shape += lines[i].empty() ? '-' : lines[i][0] == ' ' ? 'S' : 'D';
    EXPECT_EQ(shape, GetParam().Shape);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Shapes, ReportLineShape,
                         testing::Values(ShapeCase{{100}, "S-"}, ShapeCase{{1, 1, 100}, "DD-S-"},
                                         ShapeCase{{1, 51, 2, 52, 100}, "D-S-D-S-S-"},
                                         ShapeCase{{1, 1, 51, 3, 3, 53, 4, 54, 100}, "DD-S-DD-S-D-S-S-"}));
// clang-format on

}  // namespace
}  // namespace brelvon
