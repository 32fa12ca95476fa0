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

std::string CellFitter::TextIn(const Control& cell, HFONT font) { return InFace(TextToShow(cell, ShownText(cell)), font); }

std::string CellFitter::InFace(const std::string& text, HFONT font)
{
    const SelectedObject selected(dc_.get(), font);
    return WithSpacesTheFaceHas(text, [this](char32_t code) {
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
    return {font, WideFromUtf8(shown), std::move(whole), {}};
}

double CellFitter::LegibleSize(const std::vector<ColumnCell>& cells, double fitted)
{
    const auto legibleAt = [&](double pointSize) {
        return std::all_of(cells.begin(), cells.end(), [&](const ColumnCell& column) {
            const Control& cell = *column.Cell;
            return pointSize >= cell.FontSize ||
                   gdi_.DigitsLegible(cell.FontName, pointSize, cell.FontBold, cell.FontItalic, dpi_);
        });
    };
    for (double pointSize = fitted; pointSize >= MinimumFitPointSize; pointSize -= FitPointStep) {
        if (legibleAt(pointSize)) return pointSize;
    }
    return fitted;
}

std::vector<CellLook> CellFitter::Column(const std::vector<ColumnCell>& cells)
{
    if (cells.empty()) return {};
    int available = cells.front().Available;
    std::vector<ColumnCellTexts> texts;
    texts.reserve(cells.size());
    for (const ColumnCell& cell : cells) {
        available = std::min(available, cell.Available);
        ColumnCellTexts forms{cell.Cell->FontSize, {TextToShow(*cell.Cell, ShownText(*cell.Cell))}};
        if (cell.Forms) forms.Texts.insert(forms.Texts.end(), cell.Forms->Shorter.begin(), cell.Forms->Shorter.end());
        texts.push_back(std::move(forms));
    }
    const ColumnFit fit = FitColumn(texts, available, [&](std::size_t i, const std::string& text, double pointSize) {
        HFONT font = FontAt(*cells[i].Cell, pointSize);
        return static_cast<double>(Width(font, InFace(text, font)));
    });
    const double size = LegibleSize(cells, fit.PointSize);
    std::vector<CellLook> looks;
    looks.reserve(cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const Control& cell = *cells[i].Cell;
        HFONT font = FontAt(cell, std::min(size, cell.FontSize));
        const std::size_t chosen = fit.Chosen[i];
        CellLook look{font, WideFromUtf8(InFace(texts[i].Texts[chosen], font)), {}, {}};
        if (chosen != 0) {
            look.Whole = InFace(texts[i].Texts.front(), font);
            look.Exact = cells[i].Forms->Exact;
        }
        looks.push_back(std::move(look));
    }
    return looks;
}

}  // namespace brelvon
