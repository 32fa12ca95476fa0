#include "ui/win32/FormWindow.h"

#include "model/Twips.h"
#include "ui/win32/FormWindowParts.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/WindowAccessible.h"
#include "ui/win32/WindowDpi.h"

#include <algorithm>
#include <exception>
#include <utility>

#include <commctrl.h>
#include <windowsx.h>

namespace brelvon {

using namespace form_window;

namespace {

ATOM RegisteredClass(WNDPROC procedure)
{
    static const ATOM atom = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        // Double clicks on what the window draws open a row's folder.
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = ThisModule();
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = ClassName;
        return ::RegisterClassExW(&windowClass);
    }();
    if (atom == 0) FailWith("cannot register the window class");
    return atom;
}

}  // namespace

FormWindow::FormWindow(Form& form, FormWindowHandlers handlers, FormWindowOptions options)
    : form_(form), handlers_(std::move(handlers)), options_(std::move(options))
{
    RegisteredClass(&FormWindow::Procedure);
    HWND window = ::CreateWindowExW(0, ClassName, L"", WindowStyle(options_), CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, options_.Owner, nullptr, ThisModule(), this);
    if (window == nullptr) FailWith("cannot create a window");
    window_.reset(window);
    dpi_ = DpiOf(window);
    if (options_.Scrolls) {
        // A window of the same class, whose messages Handle() tells apart.
        band_.reset(::CreateWindowExW(0, ClassName, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL, 0,
                                      0, 0, 0, window, nullptr, ThisModule(), this));
        if (!band_) FailWith("cannot create the band of rows");
        ::ShowWindow(band_.get(), SW_SHOWNA);
    }
    UpdateIcons();
}

FormWindow::~FormWindow()
{
    closing_ = true;
    tips_.reset();
    // The child windows go with the window.
    static_cast<void>(band_.release());
    for (auto& [name, bound] : bound_) static_cast<void>(bound.Window.release());
    for (UniqueWindow& retired : retired_) static_cast<void>(retired.release());
    window_.reset();
}

FormWindow* FormWindow::FromWindow(HWND window)
{
    if (window == nullptr || ::GetClassLongPtrW(window, GCW_ATOM) != RegisteredClass(&FormWindow::Procedure)) {
        return nullptr;
    }
    return reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK FormWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (self == nullptr || self->closing_) return ::DefWindowProcW(window, message, wParam, lParam);
    // An exception must not unwind through the system's code that called us.
    try {
        return self->Handle(window, message, wParam, lParam);
    } catch (...) {
        KeepEscapedError(std::current_exception());
        return 0;
    }
}

LRESULT CALLBACK FormWindow::SurfaceProcedure(HWND surface, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                              DWORD_PTR data)
{
    auto* self = reinterpret_cast<FormWindow*>(data);
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(surface, &FormWindow::SurfaceProcedure, SurfaceSubclassId);
    } else if (message == WM_NCHITTEST) {
        // A group box lets the mouse through to its parent; what is drawn on it takes clicks.
        return HTCLIENT;
    } else if (!self->closing_) {
        try {
            LRESULT result = 0;
            if (self->HandleSurface(surface, message, wParam, lParam, result)) return result;
        } catch (...) {
            KeepEscapedError(std::current_exception());
            return 0;
        }
    }
    return ::DefSubclassProc(surface, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::TextBoxProcedure(HWND textBox, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                              DWORD_PTR data)
{
    auto* self = reinterpret_cast<FormWindow*>(data);
    if (message == WM_NCDESTROY) ::RemoveWindowSubclass(textBox, &FormWindow::TextBoxProcedure, TextBoxSubclassId);
    // The edge around a text box is its own too: a click there is a click
    // inside, which gives it the focus, rather than one that goes nowhere.
    if (message == WM_NCHITTEST && !self->closing_) {
        const LRESULT hit = ::DefSubclassProc(textBox, message, wParam, lParam);
        return hit == HTNOWHERE || hit == HTBORDER || hit == HTTRANSPARENT ? HTCLIENT : hit;
    }
    // A one-line text box keeps the wheel to itself on some systems: it scrolls the rows.
    if (message == WM_MOUSEWHEEL && !self->closing_) return ::SendMessageW(self->Window(), message, wParam, lParam);
    // Ctrl+C and the box's menu both copy through WM_COPY.
    if (message == WM_COPY && !self->closing_) {
        try {
            if (self->CopyCell(textBox)) return 0;
        } catch (...) {
            KeepEscapedError(std::current_exception());
            return 0;
        }
    }
    const LRESULT result = ::DefSubclassProc(textBox, message, wParam, lParam);
    if (message == WM_KILLFOCUS && !self->closing_) {
        // A cell left behind shows its text from the start again, wherever
        // the caret had scrolled it: nothing stays cut until the next click.
        if (const Bound* bound = self->BoundOf(textBox); bound != nullptr && bound->Shown().Locked) {
            ::SendMessageW(textBox, EM_SETSEL, 0, 0);
        }
    }
    if (message == WM_LBUTTONDBLCLK && !self->closing_) {
        try {
            self->DoubleClickControl(self->NameOf(textBox));
        } catch (...) {
            KeepEscapedError(std::current_exception());
        }
    }
    return result;
}

LRESULT FormWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (window == band_.get() && window != nullptr) return HandleBand(message, wParam, lParam);
    if (observer_ && observer_(message, wParam, lParam)) return 0;
    LRESULT result = 0;
    if (HandleSurface(window, message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_CLOSE:
        // The model decides whether the window goes. The handler may destroy
        // this object, so it runs from a copy and nothing is touched after it.
        if (const auto closeRequest = handlers_.CloseRequest) closeRequest();
        return 0;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam) != WA_INACTIVE); return 0;
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_MOUSEWHEEL:
        // Wherever the pointer is, the wheel scrolls the rows.
        if (band_) return ::SendMessageW(band_.get(), message, wParam, lParam);
        break;
    case FirstPaintedMessage:
        // Tool tips wait until the window shows: no one can point at it before.
        if (options_.ToolTip && !tips_) {
            tips_ = std::make_unique<ToolTips>(window_.get());
            form_.ForEachControl([this](const Control& control) {
                if (const auto bound = bound_.find(control.FullName()); bound != bound_.end()) {
                    ApplyTip(bound->second, control);
                }
            });
        }
        if (firstPainted_) std::exchange(firstPainted_, nullptr)();
        return 0;
    case BuryMessage: retired_.clear(); return 0;
    case WM_GETOBJECT:
        if (const std::optional<LRESULT> answer = AnswerGetObject(*this, wParam, lParam)) return *answer;
        break;
    default: break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT FormWindow::HandleBand(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_VSCROLL: OnScroll(LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: {
        const int rows = -GET_WHEEL_DELTA_WPARAM(wParam) * WheelRows / WHEEL_DELTA;
        ScrollBandTo(scroll_ + rows * TwipsToPixels(ScrollStepTwips, dpi_));
        return 0;
    }
    default: break;
    }
    LRESULT result = 0;
    if (HandleSurface(band_.get(), message, wParam, lParam, result)) return result;
    return ::DefWindowProcW(band_.get(), message, wParam, lParam);
}

bool FormWindow::HandleSurface(HWND surface, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_PAINT: PaintSurface(surface); return true;
    case WM_PRINTCLIENT: {
        RECT area{};
        ::GetClientRect(surface, &area);
        POINT origin{};
        ::GetViewportOrgEx(reinterpret_cast<HDC>(wParam), &origin);
        DrawSurface(surface, reinterpret_cast<HDC>(wParam), area, origin);
        return true;
    }
    case WM_ERASEBKGND: result = 1; return true;  // the paint fills every pixel
    case WM_COMMAND:
        if (lParam != 0) OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return true;
    case WM_NOTIFY:
        return tips_ && tips_->HandleNotify(*reinterpret_cast<NMHDR*>(lParam), [this](HWND child, UINT_PTR id) {
            const Bound* bound = child != nullptr ? BoundOf(child) : nullptr;
            for (const auto& [name, candidate] : bound_) {
                if (child == nullptr && reinterpret_cast<UINT_PTR>(&candidate) == id) bound = &candidate;
            }
            const Control* control = bound != nullptr ? form_.Find(bound->Name) : nullptr;
            return control != nullptr ? TipOf(*bound, *control) : std::string();
        });
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        result = OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
        return true;
    case WM_DRAWITEM:
        OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP: OnMouse(surface, message, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return true;
    default: break;
    }
    return false;
}

HWND FormWindow::WindowOf(const std::string& fullName) const
{
    const auto found = bound_.find(fullName);
    return found != bound_.end() ? found->second.Window.get() : nullptr;
}

std::string FormWindow::NameOf(HWND child) const
{
    const Bound* bound = BoundOf(child);
    return bound != nullptr ? bound->Name : std::string();
}

std::string FormWindow::FocusedName() const
{
    HWND focused = ::GetFocus();
    if (focused == nullptr || ::GetAncestor(focused, GA_ROOT) != window_.get()) return {};
    return NameOf(focused);
}

FormWindow::Bound* FormWindow::BoundOf(HWND window)
{
    const auto found = byWindow_.find(window);
    return found != byWindow_.end() ? found->second : nullptr;
}

const FormWindow::Bound* FormWindow::BoundOf(HWND window) const
{
    const auto found = byWindow_.find(window);
    return found != byWindow_.end() ? found->second : nullptr;
}

const Control& FormWindow::SurfaceModel(HWND surface) const
{
    const Bound* frame = BoundOf(surface);
    return frame != nullptr ? frame->Shown() : windowMirror_.Shown();
}

void FormWindow::Show()
{
    Sync();
    Place();
    shown_ = true;
    ::ShowWindow(window_.get(), form_.Window.Visible ? SW_SHOW : SW_HIDE);
    MirrorFocus();
}

void FormWindow::Place()
{
    RECT area{};
    if (options_.Owner != nullptr) {
        ::GetWindowRect(options_.Owner, &area);
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        if (!::GetMonitorInfoW(::MonitorFromWindow(window_.get(), MONITOR_DEFAULTTOPRIMARY), &monitor)) return;
        area = monitor.rcWork;
    }
    RECT outer{};
    ::GetWindowRect(window_.get(), &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const int top = std::max(area.top + (area.bottom - area.top - height) / 2, area.top);
    ::SetWindowPos(window_.get(), nullptr, area.left + (area.right - area.left - width) / 2, top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::KeepOnScreen()
{
    if (!shown_ || !::IsWindowVisible(window_.get()) || ::IsIconic(window_.get()) || options_.Owner != nullptr) return;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoW(::MonitorFromWindow(window_.get(), MONITOR_DEFAULTTONEAREST), &monitor)) return;
    RECT outer{};
    ::GetWindowRect(window_.get(), &outer);
    int top = outer.top;
    if (outer.bottom > monitor.rcWork.bottom) top -= outer.bottom - monitor.rcWork.bottom;
    top = std::max(top, static_cast<int>(monitor.rcWork.top));
    if (top != outer.top) {
        ::SetWindowPos(window_.get(), nullptr, outer.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void FormWindow::BringToFront()
{
    ::SetForegroundWindow(window_.get());
    ::SetActiveWindow(window_.get());
}

void FormWindow::OnDpiChanged(int dpi, const RECT& suggested)
{
    Rescale(dpi);
    Sync();
    ::SetWindowPos(window_.get(), nullptr, suggested.left, suggested.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace brelvon
