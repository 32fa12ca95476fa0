#pragma once

#include "ui/win32/Handles.h"

#include <functional>
#include <string>

#include <windows.h>

namespace brelvon {

// The tool tips of one window: a tip for a child window, or for an area of a
// surface where the window draws a control itself. The text is asked for
// each time a tip is about to show (see HandleNotify), so it is never stale.
// Lines are broken at '\n'.
class ToolTips {
public:
    // `owner` is the top-level window the tips belong to.
    explicit ToolTips(HWND owner);

    // A tip for the child window `child`; its notices go to its parent.
    void AddWindow(HWND child);
    // A tip for `area` of `surface`, told apart by `id`.
    void AddArea(HWND surface, UINT_PTR id, const RECT& area);
    void MoveArea(HWND surface, UINT_PTR id, const RECT& area);
    void RemoveWindow(HWND child);
    void RemoveArea(HWND surface, UINT_PTR id);

    // Answers the tip's request for its text (WM_NOTIFY with TTN_GETDISPINFOW)
    // with what `textOf` gives for the child window (an area's id is passed as
    // 0) or the area's id (the window is then nullptr). Returns whether the
    // notice was such a request.
    bool HandleNotify(NMHDR& notice, const std::function<std::string(HWND child, UINT_PTR id)>& textOf);

private:
    UniqueWindow tips_;
    std::wstring text_;  // the text last handed out, alive while the tip shows it
};

}  // namespace brelvon
