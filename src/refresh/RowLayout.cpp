#include "refresh/RowLayout.h"

#include "model/Rounding.h"
#include "refresh/RowTexts.h"

#include <array>

namespace brelvon {

namespace {

constexpr int CategoryGap = 150;
constexpr int SummaryGap = 300;

std::array<Control*, 5> BottomControls(MainWindow& window)
{
    return {&window.ButExit, &window.ButAbout, &window.OptLang(1), &window.OptLang(2), &window.FramEnd};
}

int RowGap(const DriveTable& table, int i)
{
    const int above = table.Row(i - 1).RowKind;
    int gap = above != table.Row(i).RowKind ? CategoryGap : 0;
    if (above > row_kind::SubtotalBase || i == table.DriveRowCount) gap = SummaryGap;
    return gap;
}

// A marker spans its row's bar background less MarkerInset at each end.
void PlaceMarker(Control& marker, int x, int rowTop, int rowHeight)
{
    marker.X1 = x;
    marker.X2 = x;
    marker.Y1 = rowTop + MarkerInset;
    marker.Y2 = rowTop + rowHeight - MarkerInset;
    marker.Visible = true;
}

}  // namespace

void ResetGeometry(MainWindow& window)
{
    window.Window.Height = window.Window.TagNumber();
    for (Control* control :
         {&window.FramEnd, &window.ButExit, &window.ButAbout, &window.OptLang(1), &window.OptLang(2)}) {
        control->Top = control->TagNumber();
        control->Visible = false;
    }
}

void RemoveOldRows(MainWindow& window)
{
    const int shown = window.TextRed.TagNumber();
    for (int i = 2; i <= shown; ++i) {
        for (ControlArray* array : {&window.Text1, &window.Text2, &window.Text3, &window.Text4, &window.Text5,
                                    &window.Text6, &window.Lab1, &window.Lin1, &window.Lin2, &window.Lab2}) {
            window.DestroyElement(*array, i);
        }
    }
}

std::int16_t LayOutRows(MainWindow& window, const DriveTable& table, RowStyleLimits limits, MarkerPositions markers,
                        bool layoutPending, const NumberLocale& locale)
{
    std::int16_t addedHeight = 0;
    const int pitch = window.Text1(1).Height;
    const int backgroundHeight = window.Lab2(1).Height;
    for (int i = 1; i <= table.DriveRowCount; ++i) {
        if (i == 1) {
            window.Lin1(1).Visible = true;
            window.Lin2(1).Visible = true;
        } else {
            const int gap = RowGap(table, i);
            for (ControlArray* cells :
                 {&window.Text1, &window.Text2, &window.Text3, &window.Text4, &window.Text5, &window.Text6}) {
                Control& cell = window.CreateElement(*cells, i);
                cell.Top = (*cells)(i - 1).Top + (*cells)(1).Height + gap;
                cell.Visible = true;
            }
            Control& bar = window.CreateElement(window.Lab1, i);
            bar.Top = window.Lab1(i - 1).Top + backgroundHeight + gap;
            bar.Visible = true;
            const int rowTop = window.Lab2(i - 1).Top + backgroundHeight + gap;
            PlaceMarker(window.CreateElement(window.Lin1, i), markers.BlueMarkerX, rowTop, backgroundHeight);
            PlaceMarker(window.CreateElement(window.Lin2, i), markers.RedMarkerX, rowTop, backgroundHeight);
            Control& background = window.CreateElement(window.Lab2, i);
            background.Top = rowTop;
            background.Visible = true;
            if (layoutPending) {
                addedHeight = static_cast<std::int16_t>(addedHeight + pitch + gap);
                window.Window.Height += pitch + gap;
            }
        }
        const DriveTableRow& row = table.Row(i);
        WriteRowTexts(window, i, row, locale);
        Control& bar = window.Lab1(i);
        bar.Width = static_cast<int>(RoundHalfToEven(row.PercentUsed / 100.0 * window.Lab2(i).Width));
        StyleRow(window, i, row, limits);
    }
    return addedHeight;
}

void PlaceBottomControls(MainWindow& window, std::int16_t addedHeight)
{
    for (Control* control : BottomControls(window)) {
        control->Top += addedHeight;
        control->Visible = true;
    }
}

}  // namespace brelvon
