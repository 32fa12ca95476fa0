#pragma once

#include <optional>

#include <windows.h>

namespace brelvon {

class FormWindow;

// Screen readers on Windows: the answer to WM_GETOBJECT for the client area
// of a FormWindow, an IAccessible tree made of the window's screen-reader tree
// (AccessibleNames::Tree) as it stands when asked, so that MSAA, and UI
// Automation through its MSAA bridge, read the window as screen readers on
// Linux do: the title, the column headings (column headers), each row as one
// sentence holding its cells (their whole text) and its bar (a progress bar
// worth 0 to 100), then the controls in their focus order, each by its role,
// a limit box by its caption. What the tree leaves out (the focus button
// outside the window, decorations) is not there.
//
// nullopt for any other object asked for, which the window's default
// procedure then answers.
[[nodiscard]] std::optional<LRESULT> AnswerGetObject(FormWindow& window, WPARAM wParam, LPARAM lParam);

}  // namespace brelvon
