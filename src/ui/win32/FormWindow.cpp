#include "ui/win32/FormWindow.h"

#include "model/PlatformError.h"
#include "model/Twips.h"
#include "os/windows/WideText.h"
#include "ui/shared/FitWidths.h"
#include "ui/shared/ShownText.h"
#include "ui/win32/ControlPainting.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/WindowDpi.h"

#include <algorithm>
#include <exception>
#include <tuple>
#include <utility>

#include <commctrl.h>
#include <windowsx.h>

namespace brelvon {

namespace {

constexpr wchar_t ClassName[] = L"BrelvonForm";
constexpr UINT FirstPaintedMessage = WM_APP + 1;
constexpr UINT BuryMessage = WM_APP + 2;  // destroys the child windows of controls that are gone
constexpr UINT_PTR FrameSubclassId = 1;
constexpr int PictureSize = 32;  // pixels at 96 dpi of the icon a picture box shows
constexpr int StandardDpi = 96;

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

HINSTANCE ThisModule() { return ::GetModuleHandleW(nullptr); }

[[noreturn]] void FailWith(const char* what)
{
    throw PlatformError(std::string(what) + " (error " + std::to_string(::GetLastError()) + ")");
}

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

// A command button whose face is not the system's is drawn by the window.
bool DrawnButton(const Control& control)
{
    return control.Kind == ControlKind::CommandButton && control.BackColor != colors::ButtonFace;
}

// What a child window of a control is made of; fixed for its life.
struct ChildClass {
    const wchar_t* Name = L"BUTTON";
    DWORD Style = 0;
    DWORD ExtendedStyle = 0;
};

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

// Whether what a label, line or picture box draws differs.
bool DrawingChanged(const Control& applied, const Control& control)
{
    return PlaceChanged(applied, control) || FontChanged(applied, control) || ColorsChanged(applied, control) ||
           std::tie(applied.Text, applied.Visible, applied.Opaque, applied.Bordered, applied.Alignment, applied.X1,
                    applied.Y1, applied.X2, applied.Y2) != std::tie(control.Text, control.Visible, control.Opaque,
                                                                    control.Bordered, control.Alignment, control.X1,
                                                                    control.Y1, control.X2, control.Y2) ||
           applied.BorderColor != control.BorderColor;
}

// Lowest in the stacking first; among equals, the higher index lies lower.
bool LowerFirst(const Control& a, const Control& b)
{
    if (a.Stacking != b.Stacking) return a.Stacking > b.Stacking;
    return a.Index > b.Index;
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

DWORD WindowStyle(const FormWindowOptions& options)
{
    return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | (options.MinimizeButton ? WS_MINIMIZEBOX : 0);
}

ATOM RegisteredClass(WNDPROC procedure)
{
    static const ATOM atom = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
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
    : form_(form), handlers_(std::move(handlers)), options_(options)
{
    RegisteredClass(&FormWindow::Procedure);
    HWND window = ::CreateWindowExW(0, ClassName, L"", WindowStyle(options_), CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, options_.Owner, nullptr, ThisModule(), this);
    if (window == nullptr) FailWith("cannot create a window");
    window_.reset(window);
    dpi_ = DpiOf(window);
    UpdateIcons();
}

FormWindow::~FormWindow()
{
    closing_ = true;
    // The child windows go with the window.
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

LRESULT CALLBACK FormWindow::FrameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                            DWORD_PTR data)
{
    auto* self = reinterpret_cast<FormWindow*>(data);
    switch (message) {
    case WM_NCDESTROY: ::RemoveWindowSubclass(frame, &FormWindow::FrameProcedure, FrameSubclassId); break;
    // A group box lets the mouse through to its parent; a frame's labels take clicks.
    case WM_NCHITTEST: return HTCLIENT;
    default:
        if (self->closing_) break;
        try {
            LRESULT result = 0;
            if (self->HandleSurface(frame, message, wParam, lParam, result)) return result;
        } catch (...) {
            KeepEscapedError(std::current_exception());
            return 0;
        }
    }
    return ::DefSubclassProc(frame, message, wParam, lParam);
}

LRESULT FormWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
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
    case FirstPaintedMessage:
        if (firstPainted_) std::exchange(firstPainted_, nullptr)();
        return 0;
    case BuryMessage: retired_.clear(); return 0;
    default: break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

bool FormWindow::HandleSurface(HWND surface, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_PAINT: PaintSurface(surface); return true;
    case WM_PRINTCLIENT: {
        RECT area{};
        ::GetClientRect(surface, &area);
        DrawSurface(surface, reinterpret_cast<HDC>(wParam), area);
        return true;
    }
    case WM_ERASEBKGND: result = 1; return true;  // the paint fills every pixel
    case WM_COMMAND:
        if (lParam != 0) OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return true;
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

FormWindow::Bound* FormWindow::BoundOf(HWND window)
{
    const auto found = byWindow_.find(window);
    return found != byWindow_.end() ? found->second : nullptr;
}

const Control& FormWindow::SurfaceModel(HWND surface) const
{
    if (surface != window_.get()) {
        if (const auto found = byWindow_.find(surface); found != byWindow_.end()) return found->second->Applied;
    }
    return appliedWindow_;
}

void FormWindow::Sync()
{
    ++sync_;
    const RaisedFlag syncing(syncing_);
    if (const int dpi = DpiOf(window_.get()); dpi != dpi_) Rescale(dpi);

    const auto fitWidths = SharedFitWidths(form_);
    bool reorder = false;
    form_.ForEachControl([&](const Control& control) {
        if (control.Kind == ControlKind::Form) {
            ApplyWindow(control);
            return;
        }
        auto [entry, created] = bound_.try_emplace(control.FullName());
        Bound& bound = entry->second;
        if (created) {
            bound.Name = entry->first;
            bound.Surface = window_.get();
            if (control.Container != nullptr) {
                if (HWND frame = WindowOf(control.Container->FullName()); frame != nullptr) bound.Surface = frame;
            }
        }
        bound.SeenIn = sync_;
        const auto fit = fitWidths.find(&control);
        if (Apply(bound, control, fit != fitWidths.end() ? fit->second : 0)) reorder = true;
    });

    for (auto entry = bound_.begin(); entry != bound_.end();) {
        Bound& gone = entry->second;
        if (gone.SeenIn == sync_) {
            ++entry;
            continue;
        }
        if (gone.Window) {
            // Destroyed after this message: the window may be the one whose notice is being handled.
            ::ShowWindow(gone.Window.get(), SW_HIDE);
            byWindow_.erase(gone.Window.get());
            retired_.push_back(std::move(gone.Window));
        } else if (!gone.Fresh && gone.Applied.Visible) {
            Invalidate(gone.Surface, AreaOf(gone.Applied, dpi_));
        }
        entry = bound_.erase(entry);
        reorder = true;
    }
    if (!retired_.empty()) ::PostMessageW(window_.get(), BuryMessage, 0, 0);

    if (reorder) Restack();
    MirrorFocus();
}

void FormWindow::Rescale(int dpi)
{
    dpi_ = dpi;
    windowFresh_ = true;
    for (auto& [name, bound] : bound_) bound.Fresh = true;
    UpdateIcons();
}

void FormWindow::Show()
{
    Sync();
    Place();
    shown_ = true;
    ::ShowWindow(window_.get(), form_.Window.Visible ? SW_SHOW : SW_HIDE);
    appliedWindow_.Visible = form_.Window.Visible;
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
    ::SetWindowPos(window_.get(), nullptr, area.left + (area.right - area.left - width) / 2,
                   area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::BringToFront()
{
    ::SetForegroundWindow(window_.get());
    ::SetActiveWindow(window_.get());
}

void FormWindow::ApplyWindow(const Control& window)
{
    const Control& applied = appliedWindow_;
    const bool fresh = windowFresh_;
    if (fresh || applied.Text != window.Text) ::SetWindowTextW(window_.get(), WideFromUtf8(window.Text).c_str());
    if (fresh || applied.Width != window.Width || applied.Height != window.Height) {
        const SIZE client{TwipsToPixels(form_.ClientAreaWidth(), dpi_), TwipsToPixels(form_.ClientAreaHeight(), dpi_)};
        const SIZE outer = OuterSize(client, WindowStyle(options_), 0, dpi_);
        ::SetWindowPos(window_.get(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (fresh || applied.BackColor != window.BackColor) ::InvalidateRect(window_.get(), nullptr, FALSE);
    if (shown_ && (fresh || applied.Visible != window.Visible)) {
        ::ShowWindow(window_.get(), window.Visible ? SW_SHOW : SW_HIDE);
    }
    appliedWindow_ = window;
    windowFresh_ = false;
}

bool FormWindow::Apply(Bound& bound, const Control& control, int fitWidth)
{
    const Control& applied = bound.Applied;
    const bool reorder = bound.Fresh || applied.Stacking != control.Stacking || applied.TabIndex != control.TabIndex ||
                         applied.Index != control.Index ||
                         (IsChildWindowKind(control.Kind) && (!bound.Window || NeedsNewWindow(applied, control)));
    if (IsChildWindowKind(control.Kind)) {
        ApplyChild(bound, control);
    } else {
        ApplyPainted(bound, control, fitWidth);
    }
    bound.Applied = control;
    bound.Fresh = false;
    return reorder;
}

void FormWindow::CreateChild(Bound& bound, const Control& control)
{
    if (bound.Window) {
        byWindow_.erase(bound.Window.get());
        ::ShowWindow(bound.Window.get(), SW_HIDE);
        retired_.push_back(std::move(bound.Window));
        ::PostMessageW(window_.get(), BuryMessage, 0, 0);
    }
    const ChildClass kind = ChildClassOf(control);
    HWND child = ::CreateWindowExW(kind.ExtendedStyle, kind.Name, L"", WS_CHILD | WS_CLIPSIBLINGS | kind.Style, 0, 0, 0,
                                   0, bound.Surface, nullptr, ThisModule(), nullptr);
    if (child == nullptr) FailWith("cannot create a control");
    bound.Window.reset(child);
    byWindow_[child] = &bound;
    if (control.Kind == ControlKind::Frame) {
        ::SetWindowSubclass(child, &FormWindow::FrameProcedure, FrameSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }
}

void FormWindow::ApplyChild(Bound& bound, const Control& control)
{
    bool fresh = bound.Fresh;
    if (!bound.Window || NeedsNewWindow(bound.Applied, control)) {
        CreateChild(bound, control);
        fresh = true;
    }
    HWND child = bound.Window.get();
    const Control& applied = bound.Applied;

    if (fresh || PlaceChanged(applied, control)) {
        const PixelRect place = ControlPixels(control, dpi_);
        ::SetWindowPos(child, nullptr, place.Left, place.Top, place.Width, place.Height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (fresh || applied.Enabled != control.Enabled) ::EnableWindow(child, control.Enabled ? TRUE : FALSE);
    if (fresh || FontChanged(applied, control)) {
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(gdi_.FontOf(control, dpi_)), TRUE);
    }
    const bool textChanged = fresh || applied.Text != control.Text || applied.FontName != control.FontName;
    if (fresh || ColorsChanged(applied, control)) ::InvalidateRect(child, nullptr, TRUE);

    switch (control.Kind) {
    case ControlKind::TextBox: {
        if (fresh || applied.MaxLength != control.MaxLength) {
            ::SendMessageW(child, EM_SETLIMITTEXT, static_cast<WPARAM>(std::max(control.MaxLength, 0)), 0);
        }
        // Compared with the window itself: the user may have typed into it.
        // Writing only a different text keeps the caret where the user left it.
        if (const std::wstring text = WideFromUtf8(ShownText(control)); WindowText(child) != text) {
            ::SetWindowTextW(child, text.c_str());
        }
        break;
    }
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: {
        if (textChanged) ::SetWindowTextW(child, WideFromUtf8(ShownText(control)).c_str());
        const WPARAM state = control.Value == 1                                            ? BST_CHECKED
                             : control.Value == 2 && control.Kind == ControlKind::CheckBox ? BST_INDETERMINATE
                                                                                           : BST_UNCHECKED;
        if (static_cast<WPARAM>(::SendMessageW(child, BM_GETCHECK, 0, 0)) != state) {
            ::SendMessageW(child, BM_SETCHECK, state, 0);
        }
        break;
    }
    case ControlKind::CommandButton:
    case ControlKind::Frame:
        if (textChanged) ::SetWindowTextW(child, WideFromUtf8(ShownText(control)).c_str());
        break;
    case ControlKind::Form:
    case ControlKind::Label:
    case ControlKind::Line:
    case ControlKind::PictureBox: break;
    }

    // Last, so that a control appears at its new place with its new look.
    if (fresh || applied.Visible != control.Visible) ::ShowWindow(child, control.Visible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void FormWindow::ApplyPainted(Bound& bound, const Control& control, int fitWidth)
{
    const bool changed = bound.Fresh || bound.FitWidth != fitWidth || DrawingChanged(bound.Applied, control);
    bound.FitWidth = fitWidth;
    if (!changed) return;
    if (!bound.Fresh && bound.Applied.Visible) Invalidate(bound.Surface, AreaOf(bound.Applied, dpi_));
    if (control.Visible) Invalidate(bound.Surface, AreaOf(control, dpi_));
}

void FormWindow::Invalidate(HWND surface, const RECT& area) { ::InvalidateRect(surface, &area, FALSE); }

void FormWindow::Restack()
{
    painted_.clear();
    std::map<HWND, std::vector<const Bound*>> children;
    for (const auto& [name, bound] : bound_) {
        (bound.Window ? children[bound.Surface] : painted_[bound.Surface]).push_back(&bound);
    }
    const auto lowerFirst = [](const Bound* a, const Bound* b) { return LowerFirst(a->Applied, b->Applied); };
    for (auto& [surface, drawn] : painted_) std::sort(drawn.begin(), drawn.end(), lowerFirst);
    for (auto& [surface, windows] : children) {
        std::sort(windows.begin(), windows.end(), lowerFirst);
        // From the topmost down, each below the one before it.
        HWND above = HWND_TOP;
        for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
            HWND child = (*window)->Window.get();
            ::SetWindowPos(child, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
            above = child;
        }
    }
    for (const auto& [surface, drawn] : painted_) ::InvalidateRect(surface, nullptr, FALSE);
}

void FormWindow::MirrorFocus()
{
    const Control* focus = form_.Focus();
    if (focus == nullptr) return;
    HWND target = WindowOf(focus->FullName());
    if (target == nullptr || ::GetFocus() == target) return;
    // An inactive window takes the focus when it is activated (OnActivate).
    if (::GetActiveWindow() != window_.get()) return;
    const RaisedFlag moving(movingFocus_);
    ::SetFocus(target);
}

void FormWindow::OnActivate(bool active)
{
    if (!active) return;
    if (const Control* focus = form_.Focus(); focus != nullptr) {
        if (HWND target = WindowOf(focus->FullName()); target != nullptr) {
            const RaisedFlag moving(movingFocus_);
            ::SetFocus(target);
            return;
        }
    }
    ::SetFocus(window_.get());
}

void FormWindow::MoveFocus(int step)
{
    std::vector<const Bound*> order;
    for (const auto& [name, bound] : bound_) {
        HWND window = bound.Window.get();
        if (window != nullptr && bound.Applied.TakesFocus() && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
            order.push_back(&bound);
        }
    }
    if (order.empty()) return;
    std::sort(order.begin(), order.end(), [](const Bound* a, const Bound* b) {
        return std::tie(a->Applied.TabIndex, a->Applied.Index) < std::tie(b->Applied.TabIndex, b->Applied.Index);
    });
    const int count = static_cast<int>(order.size());
    HWND focus = ::GetFocus();
    const auto current =
        std::find_if(order.begin(), order.end(), [focus](const Bound* b) { return b->Window.get() == focus; });
    const int next = current == order.end() ? (step > 0 ? 0 : count - 1)
                                            : (static_cast<int>(current - order.begin()) + step + count) % count;
    const Bound& target = *order[static_cast<std::size_t>(next)];
    const RaisedFlag moving(movingFocus_);
    ::SetFocus(target.Window.get());
    // As a dialog does: the whole text of a box reached by Tab is selected.
    if (target.Applied.Kind == ControlKind::TextBox) ::SendMessageW(target.Window.get(), EM_SETSEL, 0, -1);
}

bool FormWindow::TranslateKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN || (message.wParam != VK_TAB && message.wParam != VK_RETURN)) return false;
    FormWindow* self = FromWindow(::GetAncestor(message.hwnd, GA_ROOT));
    if (self == nullptr || ::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0) return false;
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    if (message.wParam == VK_TAB) {
        self->MoveFocus(shift ? -1 : 1);
        return true;
    }
    if (shift) return false;
    const Bound* focused = self->BoundOf(::GetFocus());
    const std::string target = focused != nullptr && focused->Applied.Kind == ControlKind::CommandButton
                                   ? focused->Name
                                   : self->defaultButton_;
    HWND button = self->WindowOf(target);
    if (button == nullptr) return false;
    if (::IsWindowEnabled(button)) self->ClickControl(target);
    return true;
}

void FormWindow::ClickControl(const std::string& name)
{
    // From a copy, as the handler may destroy this object.
    if (Control* control = form_.Find(name); control != nullptr && handlers_.Click) {
        const auto click = handlers_.Click;
        click(*control);
    }
}

void FormWindow::OnCommand(HWND control, UINT code)
{
    const Bound* bound = BoundOf(control);
    if (bound == nullptr || syncing_) return;
    const ControlKind kind = bound->Applied.Kind;
    if (code == BN_CLICKED && !movingFocus_ &&
        (kind == ControlKind::CommandButton || kind == ControlKind::CheckBox || kind == ControlKind::OptionButton)) {
        ClickControl(bound->Name);
    } else if (code == EN_CHANGE && kind == ControlKind::TextBox && handlers_.Type) {
        if (Control* textBox = form_.Find(bound->Name); textBox != nullptr) {
            handlers_.Type(*textBox, Utf8FromWide(WindowText(control)));
        }
    }
}

LRESULT FormWindow::OnControlColor(HDC dc, HWND control, UINT message)
{
    const Bound* bound = BoundOf(control);
    if (bound == nullptr) {
        return ::DefWindowProcW(window_.get(), message, reinterpret_cast<WPARAM>(dc),
                                reinterpret_cast<LPARAM>(control));
    }
    const Control& model = bound->Applied;
    // A push button asks for what lies around it: its container's colour.
    const Rgb back =
        model.Kind == ControlKind::CommandButton ? SurfaceModel(bound->Surface).BackColor : model.BackColor;
    ::SetTextColor(dc, GdiCache::ColorOf(model.ForeColor));
    ::SetBkColor(dc, GdiCache::ColorOf(back));
    return reinterpret_cast<LRESULT>(gdi_.Brush(back));
}

void FormWindow::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    const Bound* bound = BoundOf(item.hwndItem);
    if (bound == nullptr) return;
    Canvas canvas{item.hDC, dpi_, gdi_};
    PaintButton(canvas, item, bound->Applied);
}

void FormWindow::OnDpiChanged(int dpi, const RECT& suggested)
{
    Rescale(dpi);
    Sync();
    ::SetWindowPos(window_.get(), nullptr, suggested.left, suggested.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::UpdateIcons()
{
    if (options_.IconResource == 0) return;
    ::SendMessageW(window_.get(), WM_SETICON, ICON_BIG,
                   reinterpret_cast<LPARAM>(PictureIcon(MetricFor(SM_CXICON, dpi_))));
    ::SendMessageW(window_.get(), WM_SETICON, ICON_SMALL,
                   reinterpret_cast<LPARAM>(PictureIcon(MetricFor(SM_CXSMICON, dpi_))));
}

HICON FormWindow::PictureIcon(int size)
{
    if (options_.IconResource == 0) return nullptr;
    UniqueIcon& icon = icons_[size];
    if (!icon) {
        icon.reset(static_cast<HICON>(::LoadImageW(ThisModule(), MAKEINTRESOURCEW(options_.IconResource), IMAGE_ICON,
                                                   size, size, LR_DEFAULTCOLOR)));
    }
    return icon.get();
}

void FormWindow::PaintSurface(HWND surface)
{
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(surface, &paint);
    const RECT area = paint.rcPaint;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (dc != nullptr && width > 0 && height > 0) {
        // Drawn off screen, then copied at once: no flicker on a refresh.
        UniqueMemoryDc memory(::CreateCompatibleDC(dc));
        UniqueBitmap bitmap(::CreateCompatibleBitmap(dc, width, height));
        if (memory && bitmap) {
            const SelectedObject target(memory.get(), bitmap.get());
            ::SetViewportOrgEx(memory.get(), -area.left, -area.top, nullptr);
            DrawSurface(surface, memory.get(), area);
            ::SetViewportOrgEx(memory.get(), 0, 0, nullptr);
            ::BitBlt(dc, area.left, area.top, width, height, memory.get(), 0, 0, SRCCOPY);
        } else {
            DrawSurface(surface, dc, area);
        }
    }
    ::EndPaint(surface, &paint);
    if (surface == window_.get() && !firstPaintDone_) {
        firstPaintDone_ = true;
        // Reported once the paint has reached the screen: after this message.
        ::PostMessageW(window_.get(), FirstPaintedMessage, 0, 0);
    }
}

void FormWindow::DrawSurface(HWND surface, HDC dc, const RECT& area)
{
    ::FillRect(dc, &area, gdi_.Brush(SurfaceModel(surface).BackColor));
    if (surface != window_.get()) {
        // The group box's own edge and caption, over the frame's colour.
        ::DefSubclassProc(surface, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    }
    const auto drawn = painted_.find(surface);
    if (drawn == painted_.end()) return;
    Canvas canvas{dc, dpi_, gdi_};
    for (const Bound* bound : drawn->second) {
        const Control& control = bound->Applied;
        if (!control.Visible) continue;
        switch (control.Kind) {
        case ControlKind::Label: PaintLabel(canvas, control, bound->FitWidth); break;
        case ControlKind::Line: PaintLine(canvas, control); break;
        case ControlKind::PictureBox: {
            const int size = ::MulDiv(PictureSize, dpi_, StandardDpi);
            PaintPicture(canvas, control, PictureIcon(size), size);
            break;
        }
        default: break;
        }
    }
}

const FormWindow::Bound* FormWindow::LabelAt(HWND surface, POINT point) const
{
    const auto drawn = painted_.find(surface);
    if (drawn == painted_.end()) return nullptr;
    for (auto bound = drawn->second.rbegin(); bound != drawn->second.rend(); ++bound) {
        const Control& control = (*bound)->Applied;
        if (control.Kind != ControlKind::Label || !control.Visible) continue;
        const RECT area = AreaOf(control, dpi_);
        if (::PtInRect(&area, point)) return *bound;
    }
    return nullptr;
}

void FormWindow::OnMouse(HWND surface, UINT message, POINT point)
{
    const Bound* label = LabelAt(surface, point);
    if (message != WM_LBUTTONUP) {
        pressed_ = label != nullptr ? label->Name : std::string();
        if (label != nullptr) ::SetCapture(surface);
        return;
    }
    if (::GetCapture() == surface) ::ReleaseCapture();
    // A press and release of the left button on the same label is a click.
    const std::string pressed = std::exchange(pressed_, std::string());
    if (!pressed.empty() && label != nullptr && label->Name == pressed) ClickControl(pressed);
}

}  // namespace brelvon
