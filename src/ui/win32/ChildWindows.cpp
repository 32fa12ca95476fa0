#include "ui/win32/ChildWindows.h"

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

}  // namespace brelvon
