#pragma once

#include "model/Control.h"

#include <string>

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

// The part of a locked box's text that must show: a centred box (a drive
// letter) pads its text with blanks on both sides, which move nothing and
// need no room, so it shows the text without them; any other text whole.
[[nodiscard]] std::string TextToShow(const Control& control, const std::string& text);

}  // namespace brelvon
