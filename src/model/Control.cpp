#include "model/Control.h"

#include <charconv>

namespace brelvon {

std::string Control::FullName() const
{
    if (Index == 0) return Name;
    return Name + "(" + std::to_string(Index) + ")";
}

int Control::TagNumber() const
{
    int value = 0;
    std::from_chars(Tag.data(), Tag.data() + Tag.size(), value);
    return value;
}

Control MakeControl(ControlKind kind, std::string name, std::string text, int left, int top, int width, int height,
                    Control* container)
{
    Control control;
    control.Kind = kind;
    control.Name = std::move(name);
    control.Text = std::move(text);
    control.Left = left;
    control.Top = top;
    control.Width = width;
    control.Height = height;
    control.Container = container;
    if (kind == ControlKind::TextBox) control.BackColor = colors::White;
    if (kind == ControlKind::CommandButton) control.BackColor = colors::ButtonFace;
    return control;
}

}  // namespace brelvon
