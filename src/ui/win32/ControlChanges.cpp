#include "ui/win32/ControlChanges.h"

#include <tuple>

namespace brelvon {

bool IsChildWindowKind(ControlKind kind)
{
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::Frame: return true;
    case ControlKind::Form:
    case ControlKind::Label:
    case ControlKind::Line:
    case ControlKind::PictureBox: break;
    }
    return false;
}

bool DrawnButton(const Control& control)
{
    return control.Kind == ControlKind::CommandButton && control.BackColor != colors::ButtonFace;
}

ChildClass ChildClassOf(const Control& control)
{
    switch (control.Kind) {
    case ControlKind::TextBox: {
        const DWORD alignment = control.Alignment == TextAlignment::Center  ? ES_CENTER
                                : control.Alignment == TextAlignment::Right ? ES_RIGHT
                                                                            : ES_LEFT;
        return {L"EDIT", ES_AUTOHSCROLL | alignment | WS_TABSTOP, WS_EX_CLIENTEDGE};
    }
    case ControlKind::CommandButton:
        return {L"BUTTON", static_cast<DWORD>((DrawnButton(control) ? BS_OWNERDRAW : BS_PUSHBUTTON) | WS_TABSTOP), 0};
    // The model ticks and selects; the system's own toggling would fight it.
    case ControlKind::CheckBox: return {L"BUTTON", BS_3STATE | WS_TABSTOP, 0};
    case ControlKind::OptionButton: return {L"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0};
    case ControlKind::Frame: return {L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, 0};
    case ControlKind::Form:
    case ControlKind::Label:
    case ControlKind::Line:
    case ControlKind::PictureBox: break;
    }
    return {};
}

bool NeedsNewWindow(const Control& applied, const Control& control)
{
    return (control.Kind == ControlKind::TextBox && applied.Alignment != control.Alignment) ||
           DrawnButton(applied) != DrawnButton(control);
}

bool PlaceChanged(const Control& applied, const Control& control)
{
    return std::tie(applied.Left, applied.Top, applied.Width, applied.Height) !=
           std::tie(control.Left, control.Top, control.Width, control.Height);
}

bool FontChanged(const Control& applied, const Control& control)
{
    return std::tie(applied.FontName, applied.FontSize, applied.FontBold, applied.FontItalic) !=
           std::tie(control.FontName, control.FontSize, control.FontBold, control.FontItalic);
}

bool ColorsChanged(const Control& applied, const Control& control)
{
    return applied.BackColor != control.BackColor || applied.ForeColor != control.ForeColor;
}

bool DrawingChanged(const Control& applied, const Control& control)
{
    return PlaceChanged(applied, control) || FontChanged(applied, control) || ColorsChanged(applied, control) ||
           std::tie(applied.Text, applied.Visible, applied.Opaque, applied.Bordered, applied.Alignment, applied.X1,
                    applied.Y1, applied.X2, applied.Y2) != std::tie(control.Text, control.Visible, control.Opaque,
                                                                    control.Bordered, control.Alignment, control.X1,
                                                                    control.Y1, control.X2, control.Y2) ||
           applied.BorderColor != control.BorderColor;
}

bool LowerFirst(const Control& a, const Control& b)
{
    if (a.Stacking != b.Stacking) return a.Stacking > b.Stacking;
    return a.Index > b.Index;
}

}  // namespace brelvon
