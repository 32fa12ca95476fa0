#pragma once

#include "model/Control.h"
#include "model/Form.h"

#include <unordered_map>

namespace brelvon {

// The width, in twips, that a single word of a label must fit in (see
// FittingPointSize) where that differs from the label's own width. Labels
// that repeat one text in one font over each other in one container (a title
// and its highlight) each get the narrowest width among them, so that they
// show the text at one size. Only transparent labels with text take part; a
// label missing from the result fits its own width.
[[nodiscard]] std::unordered_map<const Control*, int> SharedFitWidths(const Form& form);

}  // namespace brelvon
