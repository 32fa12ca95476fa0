#pragma once

#include "model/Control.h"

#include <windows.h>

namespace brelvon {

// Which controls are the system's own child windows, and what those windows
// are made of.

// Text boxes, buttons, check boxes, option buttons and frames; the window
// draws labels, lines and picture boxes itself.
[[nodiscard]] bool IsChildWindowKind(ControlKind kind);

// A command button whose face is not the system's is drawn by the window.
[[nodiscard]] bool DrawnButton(const Control& control);

// The window class and styles of a control's child window; fixed for the
// window's life.
struct ChildClass {
    const wchar_t* Name = L"BUTTON";
    DWORD Style = 0;
    DWORD ExtendedStyle = 0;
};
[[nodiscard]] ChildClass ChildClassOf(const Control& control);

// Whether a control changed in what its child window was made of, so that it
// needs a new one.
[[nodiscard]] bool NeedsNewWindow(const Control& applied, const Control& control);

}  // namespace brelvon
