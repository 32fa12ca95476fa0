#include "ui/shared/CellOverflow.h"

namespace brelvon {

CellOverflow OverflowOf(const Control& control)
{
    if (control.Kind != ControlKind::TextBox || !control.Locked) return CellOverflow::Scroll;
    return control.Alignment == TextAlignment::Left ? CellOverflow::Ellipsis : CellOverflow::ShrinkColumn;
}

std::string TextToShow(const Control& control, const std::string& text)
{
    if (OverflowOf(control) != CellOverflow::ShrinkColumn || control.Alignment != TextAlignment::Center) return text;
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace brelvon
