#include "ui/win32/CellFitter.h"

#include "os/windows/WideText.h"
#include "ui/shared/CellOverflow.h"
#include "ui/shared/Ellipsis.h"
#include "ui/shared/FaceSpaces.h"
#include "ui/shared/ShownText.h"
#include "ui/shared/TextFit.h"

#include <algorithm>

namespace brelvon {

CellFitter::CellFitter(GdiCache& gdi, int dpi) : gdi_(gdi), dpi_(dpi), dc_(::CreateCompatibleDC(nullptr)) {}

HFONT CellFitter::FontAt(const Control& cell, double pointSize)
{
    return gdi_.Font(cell.FontName, pointSize, cell.FontBold, cell.FontItalic, dpi_);
}

std::string CellFitter::TextIn(const Control& cell, HFONT font)
{
    const SelectedObject selected(dc_.get(), font);
    return WithSpacesTheFaceHas(TextToShow(cell, ShownText(cell)), [this](char32_t code) {
        if (code > 0xFFFF) return false;
        const wchar_t character = static_cast<wchar_t>(code);
        WORD glyph = 0;
        return ::GetGlyphIndicesW(dc_.get(), &character, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) == 1 &&
               glyph != 0xFFFF;
    });
}

int CellFitter::Width(HFONT font, const std::string& text)
{
    const SelectedObject selected(dc_.get(), font);
    const std::wstring wide = WideFromUtf8(text);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc_.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
    return extent.cx;
}

CellLook CellFitter::Elided(const Control& cell, int available)
{
    HFONT font = gdi_.FontOf(cell, dpi_);
    std::string whole = TextIn(cell, font);
    const std::string shown =
        ElideToFit(whole, [&](const std::string& text) { return Width(font, text) <= available; });
    if (shown == whole) whole.clear();
    return {font, WideFromUtf8(shown), std::move(whole)};
}

std::vector<CellLook> CellFitter::Column(const std::vector<ColumnCell>& cells)
{
    if (cells.empty()) return {};
    double columnSize = cells.front().Cell->FontSize;
    int available = cells.front().Available;
    for (const ColumnCell& cell : cells) {
        columnSize = std::min(columnSize, cell.Cell->FontSize);
        available = std::min(available, cell.Available);
    }
    const double size = FittingPointSize(columnSize, available, [&](double pointSize) {
        int widest = 0;
        for (const ColumnCell& cell : cells) {
            HFONT font = FontAt(*cell.Cell, pointSize);
            widest = std::max(widest, Width(font, TextIn(*cell.Cell, font)));
        }
        return static_cast<double>(widest);
    });
    std::vector<CellLook> looks;
    looks.reserve(cells.size());
    for (const ColumnCell& cell : cells) {
        HFONT font = FontAt(*cell.Cell, std::min(size, cell.Cell->FontSize));
        looks.push_back({font, WideFromUtf8(TextIn(*cell.Cell, font)), {}});
    }
    return looks;
}

}  // namespace brelvon
