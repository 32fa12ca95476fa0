// The table rows of the windows written by hand (HandWrittenWindow.cpp,
// HandWrittenWin32Window.cpp): a survey of a drive file turned straight into
// what each row shows, in twips and plain colours. English, megabytes and
// the limits 15 and 85 only.
#pragma once

#include "drives/RecordedDriveService.h"
#include "os/SystemDriveFile.h"
#include "survey/DriveSurvey.h"
#include "text/NumberLocale.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace handwritten {

struct Color {
    std::uint8_t R, G, B;
};

enum class Typeface { Mono, Sans, Serif };

struct Cell {
    std::string Text;
    Typeface Face = Typeface::Mono;
    bool Bold = false;
    bool Italic = false;
    Color Fore{0, 0, 0};
    Color Back{255, 255, 255};
};

// Left, width and alignment (-1 left, 0 centre, 1 right) of the six cells.
struct Column {
    int Left;
    int Width;
    int Alignment;
};
inline constexpr int Columns = 6;
inline constexpr std::array<Column, Columns> TableColumns{
    {{405, 375, 0}, {765, 1455, -1}, {2205, 1455, 1}, {3765, 1215, 1}, {4965, 1215, 1}, {6160, 990, 1}}};
// The order the cells of a row lie in, lowest first; the Tab key's order through them.
inline constexpr std::array<int, Columns> CellStacking{0, 1, 2, 4, 5, 3};
inline constexpr std::array<int, Columns> CellTabOrder{0, 1, 2, 4, 5, 3};

inline constexpr int BarLeft = 7110;
inline constexpr int BarWidth = 4455;
inline constexpr int RowHeight = 330;
inline constexpr int FirstRowTop = 1425;
inline constexpr int BlueLimit = 15;
inline constexpr int RedLimit = 85;
inline constexpr int BlueMarkerX = 7778;  // 15 % across the bar background
inline constexpr int RedMarkerX = 10897;  // 85 %

struct Row {
    int Top = 0;  // twips
    std::array<Cell, Columns> Cells;
    Color Background{255, 255, 255};
    Color Bar{110, 255, 110};
    int BarWidth = 0;  // twips
    bool Markers = false;
    std::string ToolTip;  // a drive's mount point, device and file system
};

struct Table {
    std::vector<Row> Rows;
    int Grown = 0;  // twips the window and its bottom strip move down by
};

inline Table SurveyTable(const std::string& driveFile, bool network, bool removable, bool cdRom)
{
    brelvon::RecordedDriveService service(
        std::make_shared<const std::vector<brelvon::DriveRecord>>(brelvon::LoadDriveFile(driveFile)));
    brelvon::SurveyOptions options;
    options.ListNetwork = network;
    options.ListRemovable = removable;
    options.ListCdRom = cdRom;
    options.NetworkName = "Network";
    options.RemovableName = "Removable";
    options.CdRomName = "CD-Rom";
    options.Words = {"(not ready)", "Drives", "Fixed"};
    const brelvon::DriveTable survey = brelvon::SurveyDrives(service, options);
    const brelvon::NumberLocale locale;
    const auto size = [&locale](const std::optional<std::int64_t>& megabytes) {
        return locale.FormatScaled(megabytes.value_or(0), 0) + " ";
    };

    Table table;
    for (int i = 1; i <= survey.DriveRowCount; ++i) {
        const brelvon::DriveTableRow& row = survey.Row(i);
        Row shown;
        // 150 twips more between categories, 300 after a subtotal and before the total.
        if (i == 1) {
            shown.Top = FirstRowTop;
        } else {
            const int above = survey.Row(i - 1).RowKind;
            int gap = above != row.RowKind ? 150 : 0;
            if (above > brelvon::row_kind::SubtotalBase || i == survey.DriveRowCount) gap = 300;
            shown.Top = table.Rows.back().Top + RowHeight + gap;
        }
        const bool sized = row.Ready && row.TotalMb.value_or(0) != 0;
        auto& cells = shown.Cells;
        cells[0].Text = row.IsSummary() ? "\u03a3" : row.Letter;
        cells[1].Text = " " + row.RowLabel;
        cells[2].Text = sized ? size(row.TotalMb) : "- ";
        cells[3].Text = sized ? size(row.FreeMb) : "- ";
        cells[4].Text = sized ? size(row.UsedMb) : "- ";
        cells[5].Text = sized ? std::to_string(row.PercentUsed) + " %   " : " -   ";
        cells[5].Face = Typeface::Sans;
        shown.Markers = sized;
        shown.BarWidth = static_cast<int>(std::nearbyint(row.PercentUsed / 100.0 * BarWidth));
        const bool blue = row.PercentUsed < BlueLimit;
        const bool red = row.PercentUsed > RedLimit;
        if (row.IsSummary()) {
            cells[0].Face = Typeface::Serif;
            for (Cell& cell : cells) {
                cell.Bold = true;
                cell.Back = {192, 192, 192};
            }
            shown.Background = {192, 192, 192};
        } else if (!row.Ready) {
            cells[1].Italic = true;
            for (int c = 1; c < Columns; ++c) cells[c].Fore = {128, 128, 128};
        } else if (blue || red) {
            for (Cell& cell : cells) cell.Fore = red ? Color{255, 0, 0} : Color{0, 0, 255};
        }
        if (row.Details) {
            shown.ToolTip = row.Details->MountPoint + "\n" + row.Details->Device + " (" + row.Details->FileSystem + ")";
        }
        if (row.Ready && (red || blue)) shown.Bar = red ? Color{255, 110, 110} : Color{110, 110, 255};
        table.Rows.push_back(std::move(shown));
    }
    if (!table.Rows.empty()) table.Grown = table.Rows.back().Top - FirstRowTop;
    return table;
}

}  // namespace handwritten
