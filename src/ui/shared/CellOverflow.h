#pragma once

#include "model/Control.h"

namespace brelvon {

// What a text box shows when its text is wider than its inside.
enum class CellOverflow {
    // An editable box scrolls its text, as the user types it.
    Scroll,
    // A locked, left-aligned box (a label) shows its beginning and is cut with
    // an ellipsis (see ElideToFit).
    Ellipsis,
    // Any other locked box (a number, a letter) shows the whole text at a
    // smaller size: the largest, in FitPointStep steps and not below
    // MinimumFitPointSize, at which every text of its column fits, the same
    // for the whole column (the elements of one control array), keeping the
    // box's alignment.
    ShrinkColumn,
};

[[nodiscard]] CellOverflow OverflowOf(const Control& control);

}  // namespace brelvon
