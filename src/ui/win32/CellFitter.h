#pragma once

#include "model/Control.h"
#include "ui/shared/ColumnFit.h"
#include "ui/win32/GdiCache.h"
#include "ui/win32/Handles.h"

#include <optional>
#include <string>
#include <vector>

#include <windows.h>

namespace brelvon {

// What a locked text box shows: its text and the font it is drawn in.
struct CellLook {
    HFONT Font = nullptr;
    std::wstring Text;
    std::string Whole;  // a cell cut or shortened to fit: its own text, UTF-8; empty for a whole one
    std::string Exact;  // a number shown in a larger unit: its exact figure with its unit; else empty
};

// Makes what locked text boxes show, as CellOverflow says, measured with the
// fonts Windows draws them in: the text the control must show (TextToShow),
// with the narrow spaces its face lacks turned into one it has
// (WithSpacesTheFaceHas), cut with an ellipsis (ElideToFit) or drawn smaller
// for the whole column (FittingPointSize).
class CellFitter {
public:
    CellFitter(GdiCache& gdi, int dpi);

    // A label cell: its own font, the text cut to `available` pixels.
    [[nodiscard]] CellLook Elided(const Control& cell, int available);

    // The cells of one column, each with the pixels its text has: all at the
    // largest size at which every text fits, no cell above its own size; a
    // number too wide even at the smallest size in the first of its forms in
    // larger units that fits (see FitColumn). A column drawn smaller than its
    // cells' own size goes down further, to the first size at which the font
    // engine keeps every cell's digits apart and its bold bold (see
    // GdiCache::DigitsLegible), where there is one.
    struct ColumnCell {
        const Control* Cell = nullptr;
        int Available = 0;
        std::optional<SizeForms> Forms;  // the cell's number in larger units; none for a cell of another kind
    };
    [[nodiscard]] std::vector<CellLook> Column(const std::vector<ColumnCell>& cells);

private:
    [[nodiscard]] double LegibleSize(const std::vector<ColumnCell>& cells, double fitted);
    [[nodiscard]] HFONT FontAt(const Control& cell, double pointSize);
    // The text a cell shows in a font, UTF-8.
    [[nodiscard]] std::string TextIn(const Control& cell, HFONT font);
    // A text with the narrow spaces the font lacks turned into one it has.
    [[nodiscard]] std::string InFace(const std::string& text, HFONT font);
    [[nodiscard]] int Width(HFONT font, const std::string& text);

    GdiCache& gdi_;
    int dpi_;
    UniqueMemoryDc dc_;
};

}  // namespace brelvon
