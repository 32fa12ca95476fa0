#include "ui/shared/Stacking.h"

namespace brelvon {

bool IsWindowless(const Control& control)
{
    return control.Kind == ControlKind::Label || control.Kind == ControlKind::Line;
}

bool LiesBeneath(const Control& lower, const Control& upper)
{
    if (IsWindowless(lower) != IsWindowless(upper)) return IsWindowless(lower);
    if (lower.Stacking != upper.Stacking) return lower.Stacking > upper.Stacking;
    return lower.Index > upper.Index;
}

}  // namespace brelvon
