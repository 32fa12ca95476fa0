#include "refresh/RowStyle.h"

#include <array>
#include <string>

namespace brelvon {

namespace {

constexpr Rgb TextBlue{0, 0, 255};
constexpr Rgb TextRed{255, 0, 0};
constexpr Rgb TextGrey{128, 128, 128};
constexpr Rgb SummaryGrey{192, 192, 192};
constexpr Rgb BarGreen{110, 255, 110};
constexpr Rgb BarBlue{110, 110, 255};
constexpr Rgb BarRed{255, 110, 110};
constexpr const char* CellFace = "Courier New";
constexpr const char* SummaryFace = "Symbol";  // shows the summary row's "S" as a sigma

std::array<Control*, 6> Cells(MainWindow& window, int i)
{
    return {&window.Text1(i), &window.Text2(i), &window.Text3(i), &window.Text4(i), &window.Text5(i), &window.Text6(i)};
}

}  // namespace

RowStyle ChooseRowStyle(const DriveTableRow& row, RowStyleLimits limits)
{
    if (!row.Ready) return RowStyle::StyleNotReady;
    RowStyle style = RowStyle::StylePlain;
    const bool driveRow = row.RowKind < row_kind::SubtotalBase;
    if (driveRow && row.PercentUsed < limits.BlueLimit) style = RowStyle::StyleBlue;
    if (driveRow && row.PercentUsed > limits.RedLimit) style = RowStyle::StyleRed;
    if (row.IsSummary()) style = RowStyle::StyleSummary;
    return style;
}

void StyleRow(MainWindow& window, int i, const DriveTableRow& row, RowStyleLimits limits)
{
    const auto cells = Cells(window, i);
    Control& bar = window.Lab1(i);
    for (Control* cell : cells) {
        cell->ForeColor = colors::Black;
        cell->FontBold = false;
        cell->FontItalic = false;
    }
    bar.BackColor = BarGreen;
    if (i == 1) {
        // Rows 2 and up are made from row 1, so row 1 drops a summary look it
        // may have kept from a refresh that listed no drive.
        window.Text1(1).FontName = CellFace;
        for (Control* cell : cells) cell->BackColor = colors::White;
        window.Lab2(1).BackColor = colors::White;
    }

    switch (ChooseRowStyle(row, limits)) {
    case RowStyle::StylePlain: break;
    case RowStyle::StyleNotReady:
        window.Text2(i).FontItalic = true;
        for (std::size_t c = 1; c < cells.size(); ++c) cells[c]->ForeColor = TextGrey;
        break;
    case RowStyle::StyleBlue:
        for (Control* cell : cells) cell->ForeColor = TextBlue;
        bar.BackColor = BarBlue;
        break;
    case RowStyle::StyleRed:
        for (Control* cell : cells) cell->ForeColor = TextRed;
        bar.BackColor = BarRed;
        break;
    case RowStyle::StyleSummary:
        window.Text1(i).FontName = SummaryFace;
        for (Control* cell : cells) {
            cell->FontBold = true;
            cell->BackColor = SummaryGrey;
        }
        if (row.PercentUsed < limits.BlueLimit) {
            bar.BackColor = BarBlue;
        } else if (row.PercentUsed > limits.RedLimit) {
            bar.BackColor = BarRed;
        }
        window.Lab2(i).BackColor = SummaryGrey;
        break;
    }
}

}  // namespace brelvon
