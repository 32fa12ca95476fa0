#include "ui/shared/CellOverflow.h"

namespace brelvon {

CellOverflow OverflowOf(const Control& control)
{
    if (control.Kind != ControlKind::TextBox || !control.Locked) return CellOverflow::Scroll;
    return control.Alignment == TextAlignment::Left ? CellOverflow::Ellipsis : CellOverflow::ShrinkColumn;
}

}  // namespace brelvon
