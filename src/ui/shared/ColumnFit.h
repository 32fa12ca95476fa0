#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brelvon {

// A size cell's number in larger units, for a cell whose digits do not fit
// even at MinimumFitPointSize: the cell then shows a shorter form with its
// unit rather than cut digits, and its tool tip the exact figure.
struct SizeForms {
    std::string Exact;                 // "18,446,744,073,710 MB": the cell's own figure with its unit
    std::vector<std::string> Shorter;  // "18,446,744,074 GB ", "18,446,744 TB ": whole numbers, shortest last
};

// The forms of a size cell's text as the window writes it: a whole number of
// megabytes followed by one space, or gigabytes with one decimal followed by
// two spaces, digits grouped by whatever separator the text uses (a
// dash, a percentage or a letter is no size: nullopt). Larger units are
// rounded half away from zero and grouped as the text is. Unit words are
// French ("Mo", "Go", "To") or English ("MB", "GB", "TB").
[[nodiscard]] std::optional<SizeForms> SizeFormsOf(const std::string& cellText, bool french);

// One cell of a column that shrinks to fit (CellOverflow::ShrinkColumn): the
// texts it may show, its own first, then shorter forms of it (see SizeForms).
struct ColumnCellTexts {
    double PointSize = 0;  // the cell's own size, which the column never passes
    std::vector<std::string> Texts;
};

struct ColumnFit {
    double PointSize = 0;             // the one size the whole column is drawn at
    std::vector<std::size_t> Chosen;  // for each cell, the index of the text it shows
};

// Fits a column into `available` pixels: each cell shows its own text when
// that fits at MinimumFitPointSize, else the first shorter form that does (the
// last one when none does); the column then takes the largest size (see
// FittingPointSize) at which every chosen text fits, never above the
// smallest of the cells' own sizes. `widthAt(cell, text, size)` measures a
// text of one cell, in that cell's font, in pixels.
[[nodiscard]] ColumnFit FitColumn(
    const std::vector<ColumnCellTexts>& cells, double available,
    const std::function<double(std::size_t cell, const std::string& text, double pointSize)>& widthAt);

}  // namespace brelvon
