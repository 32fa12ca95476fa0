#pragma once

#include "model/Control.h"

namespace brelvon {

// Captions and lines have no window of their own: they are drawn on their
// container, beneath every sibling control that has one (buttons, text
// boxes, check boxes, option buttons, frames, picture boxes), whatever their
// Stacking, and never take a click that lands on such a control.
[[nodiscard]] bool IsWindowless(const Control& control);

// Whether `lower` lies beneath `upper` among siblings: windowless controls
// beneath the others, then by Stacking (0 on top), then the higher Index beneath.
[[nodiscard]] bool LiesBeneath(const Control& lower, const Control& upper);

}  // namespace brelvon
