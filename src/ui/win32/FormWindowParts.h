#pragma once

// What the parts of FormWindow share: its message numbers, its measures and
// a few small helpers. FormWindow.cpp dispatches the messages and places the
// window; FormWindowMirror.cpp mirrors the model; FormWindowCells.cpp makes
// what the table's cells show and copy; FormWindowBand.cpp scrolls the band;
// FormWindowInput.cpp handles the focus, the keys and the mouse;
// FormWindowPaint.cpp paints.

#include "model/Control.h"
#include "model/PlatformError.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/WindowDpi.h"

#include <cstddef>
#include <string>

#include <windows.h>

namespace brelvon::form_window {

constexpr wchar_t ClassName[] = L"BrelvonForm";
constexpr UINT FirstPaintedMessage = WM_APP + 1;
constexpr UINT BuryMessage = WM_APP + 2;  // destroys the child windows of controls that are gone
constexpr UINT_PTR SurfaceSubclassId = 1;
constexpr UINT_PTR TextBoxSubclassId = 2;
constexpr int PictureSize = 32;  // pixels at 96 dpi of the icon a picture box shows
// The least of the scrolling band that a window too tall for its screen shows: two table rows.
constexpr int MinimumBandTwips = 660;
// One step of the band's scroll bar, and a third of a step of the mouse wheel: one table row.
constexpr int ScrollStepTwips = 330;
constexpr int WheelRows = 3;
// Pixels at 96 dpi that a text box keeps free on each side of its text, inside its edge.
constexpr int TextBoxMargin = 2;

// Raises a flag for as long as it lives, then puts back what it held.
class RaisedFlag {
public:
    explicit RaisedFlag(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~RaisedFlag() { flag_ = before_; }
    RaisedFlag(const RaisedFlag&) = delete;
    RaisedFlag& operator=(const RaisedFlag&) = delete;

private:
    bool& flag_;
    bool before_;
};

inline HINSTANCE ThisModule() { return ::GetModuleHandleW(nullptr); }

[[noreturn]] inline void FailWith(const char* what)
{
    throw PlatformError(std::string(what) + " (error " + std::to_string(::GetLastError()) + ")");
}

inline std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline DWORD WindowStyle(const FormWindowOptions& options)
{
    return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | (options.MinimizeButton ? WS_MINIMIZEBOX : 0);
}

}  // namespace brelvon::form_window
