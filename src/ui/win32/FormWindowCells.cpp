// What the table's locked text boxes show, and what they copy.
#include "ui/win32/FormWindow.h"

#include "model/Twips.h"
#include "os/windows/WideText.h"
#include "ui/shared/CellOverflow.h"
#include "ui/shared/Ellipsis.h"
#include "ui/win32/CellFitter.h"
#include "ui/win32/FormWindowParts.h"
#include "ui/win32/Win32Clipboard.h"
#include "ui/win32/WindowDpi.h"

#include <algorithm>
#include <map>
#include <vector>

namespace brelvon {

using namespace form_window;

bool FormWindow::CopyCell(HWND textBox) const
{
    const Bound* bound = BoundOf(textBox);
    if (bound == nullptr || !bound->Shown().Locked) return false;
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageW(textBox, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring shownWide = WindowText(textBox);
    end = std::min<DWORD>(end, static_cast<DWORD>(shownWide.size()));
    start = std::min(start, end);
    const std::string shown = Utf8FromWide(shownWide);
    const std::string copied = CopiedCell(bound->Whole.empty() ? shown : bound->Whole, shown, start, end);
    if (copied.empty()) return true;  // a blank cell: nothing to copy
    try {
        Win32Clipboard().SetText(copied);
    } catch (const PlatformError&) {
        // A clipboard another program holds: the copy is lost, as the box's own would be.
    }
    return true;
}

std::unordered_map<const Control*, CellLook> FormWindow::CellLooks()
{
    CellFitter fitter(gdi_, dpi_);
    // What a text box's edges and margins leave of its width for the text,
    // less the caret's width: a text that reaches the last pixel puts the
    // caret past it when Tab selects it, and the box scrolls its first
    // characters out of view.
    DWORD caret = 1;
    ::SystemParametersInfoW(SPI_GETCARETWIDTH, 0, &caret, 0);
    const int edges =
        2 * (MetricFor(SM_CXEDGE, dpi_) + ::MulDiv(TextBoxMargin, dpi_, StandardDpi)) + static_cast<int>(caret);
    std::map<std::string, std::vector<CellFitter::ColumnCell>> columns;
    std::unordered_map<const Control*, CellLook> looks;
    form_.ForEachControl([&](const Control& control) {
        const CellOverflow overflow = OverflowOf(control);
        if (overflow == CellOverflow::Scroll) return;
        const int available = TwipsToPixels(control.Width, dpi_) - edges;
        if (overflow == CellOverflow::ShrinkColumn) {
            columns[control.Name].push_back(
                {&control, available, options_.ShorterForms ? options_.ShorterForms(control) : std::nullopt});
        } else {
            looks.emplace(&control, fitter.Elided(control, available));
        }
    });
    for (const auto& [name, cells] : columns) {
        std::vector<CellLook> column = fitter.Column(cells);
        for (std::size_t i = 0; i < cells.size(); ++i) looks.emplace(cells[i].Cell, std::move(column[i]));
    }
    return looks;
}

}  // namespace brelvon
