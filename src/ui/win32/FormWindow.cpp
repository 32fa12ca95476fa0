#include "ui/win32/FormWindow.h"

#include "model/PlatformError.h"
#include "model/Twips.h"
#include "os/windows/WideText.h"
#include "ui/shared/CellOverflow.h"
#include "ui/shared/Ellipsis.h"
#include "ui/shared/FitWidths.h"
#include "ui/shared/ShownText.h"
#include "ui/win32/CellFitter.h"
#include "ui/win32/ControlChanges.h"
#include "ui/win32/ControlPainting.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/Win32Clipboard.h"
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
constexpr UINT_PTR SurfaceSubclassId = 1;
constexpr UINT_PTR TextBoxSubclassId = 2;
constexpr int PictureSize = 32;  // pixels at 96 dpi of the icon a picture box shows
constexpr int StandardDpi = 96;
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

HINSTANCE ThisModule() { return ::GetModuleHandleW(nullptr); }

[[noreturn]] void FailWith(const char* what)
{
    throw PlatformError(std::string(what) + " (error " + std::to_string(::GetLastError()) + ")");
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// What a check box or option button shows of the model's Value.
WPARAM CheckStateOf(const Control& control)
{
    if (control.Value == 1) return BST_CHECKED;
    return control.Value == 2 && control.Kind == ControlKind::CheckBox ? BST_INDETERMINATE : BST_UNCHECKED;
}

DWORD WindowStyle(const FormWindowOptions& options)
{
    return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | (options.MinimizeButton ? WS_MINIMIZEBOX : 0);
}

RECT Shifted(RECT area, int shift)
{
    ::OffsetRect(&area, 0, shift);
    return area;
}

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
    // A one-line text box keeps the wheel to itself on some systems: it scrolls the rows.
    if (message == WM_MOUSEWHEEL && !self->closing_) return ::SendMessageW(self->Window(), message, wParam, lParam);
    // Ctrl+C and the box's menu both copy through WM_COPY.
    if (message == WM_COPY && !self->closing_) {
        try {
            if (self->CopyWhole(textBox)) return 0;
        } catch (...) {
            KeepEscapedError(std::current_exception());
            return 0;
        }
    }
    const LRESULT result = ::DefSubclassProc(textBox, message, wParam, lParam);
    if (message == WM_LBUTTONDBLCLK && !self->closing_) {
        try {
            self->DoubleClickControl(self->NameOf(textBox));
        } catch (...) {
            KeepEscapedError(std::current_exception());
        }
    }
    return result;
}

bool FormWindow::CopyWhole(HWND textBox) const
{
    const Bound* bound = BoundOf(textBox);
    if (bound == nullptr || bound->Whole.empty()) return false;
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageW(textBox, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring shown = WindowText(textBox);
    end = std::min<DWORD>(end, static_cast<DWORD>(shown.size()));
    start = std::min(start, end);
    if (start == end) return true;  // nothing selected: nothing to copy, as the box itself does
    try {
        Win32Clipboard().SetText(WholeOfShownSelection(bound->Whole, Utf8FromWide(shown), start, end));
    } catch (const PlatformError&) {
        // A clipboard another program holds: the copy is lost, as the box's own would be.
    }
    return true;
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
            return control != nullptr ? options_.ToolTip(*control) : std::string();
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
    return frame != nullptr ? frame->Applied : appliedWindow_;
}

void FormWindow::Sync()
{
    ++sync_;
    const RaisedFlag syncing(syncing_);
    if (const int dpi = DpiOf(window_.get()); dpi != dpi_) Rescale(dpi);

    const BandPlace band = MeasureBand();
    const bool placeAgain = band != bandPlace_;
    bandPlace_ = band;
    if (placeAgain) {
        PlaceBand();
        ::InvalidateRect(window_.get(), nullptr, FALSE);
    }
    // Every control has its record; those that need a new child window are
    // made first, lowest in the stacking first, so that each lies on top of
    // those made before it: the model's stacking then needs no move. A
    // frame's controls come after the frames.
    std::vector<std::pair<Bound*, const Control*>> unmade;
    form_.ForEachControl([&](const Control& control) {
        if (control.Kind == ControlKind::Form) return;
        auto [entry, created] = bound_.try_emplace(control.FullName());
        Bound& bound = entry->second;
        if (created) bound.Name = entry->first;
        bound.SeenIn = sync_;
        if (IsChildWindowKind(control.Kind) && (!bound.Window || NeedsNewWindow(bound.Applied, control))) {
            unmade.emplace_back(&bound, &control);
        }
    });
    std::sort(unmade.begin(), unmade.end(), [](const auto& a, const auto& b) {
        const bool aInFrame = a.second->Container != nullptr;
        const bool bInFrame = b.second->Container != nullptr;
        return aInFrame != bInFrame ? bInFrame : LowerFirst(*b.second, *a.second);
    });
    const std::unordered_map<const Control*, CellLook> looks = CellLooks();
    const auto lookOf = [&looks](const Control& control) {
        const auto look = looks.find(&control);
        return look != looks.end() ? &look->second : nullptr;
    };
    for (const auto& [bound, control] : unmade) {
        PlaceOnSurface(*bound, *control);
        CreateChild(*bound, *control, lookOf(*control));
    }

    bool reorder = !unmade.empty();
    const auto fitWidths = SharedFitWidths(form_);
    form_.ForEachControl([&](const Control& control) {
        if (control.Kind == ControlKind::Form) {
            ApplyWindow(control);
            return;
        }
        Bound& bound = bound_.at(control.FullName());
        PlaceOnSurface(bound, control);
        const auto fit = fitWidths.find(&control);
        const CellLook* look = lookOf(control);
        if (Apply(bound, control, fit != fitWidths.end() ? fit->second : 0, look, placeAgain)) reorder = true;
        bound.Whole = look != nullptr ? look->Whole : std::string();
        ApplyTip(bound, control);
    });

    for (auto entry = bound_.begin(); entry != bound_.end();) {
        if (entry->second.SeenIn == sync_) {
            ++entry;
            continue;
        }
        Retire(entry->second);
        entry = bound_.erase(entry);
        reorder = true;
    }
    if (!retired_.empty()) ::PostMessageW(window_.get(), BuryMessage, 0, 0);

    if (reorder) Restack();
    KeepOnScreen();
    MirrorFocus();
}

void FormWindow::PlaceOnSurface(Bound& bound, const Control& control)
{
    if (bound.Surface != nullptr) return;
    bound.Surface = window_.get();
    if (control.Container != nullptr) {
        if (HWND frame = WindowOf(control.Container->FullName()); frame != nullptr) bound.Surface = frame;
    } else if (band_ && options_.Scrolls(control)) {
        bound.Surface = band_.get();
        bound.InBand = true;
    }
}

void FormWindow::Retire(Bound& bound)
{
    if (bound.HasTip) {
        if (bound.Window) {
            tips_->RemoveWindow(bound.Window.get());
        } else {
            tips_->RemoveArea(bound.Surface, reinterpret_cast<UINT_PTR>(&bound));
        }
        bound.HasTip = false;
    }
    if (bound.Window) {
        // Destroyed after this message: the window may be the one whose notice is being handled.
        ::ShowWindow(bound.Window.get(), SW_HIDE);
        byWindow_.erase(bound.Window.get());
        retired_.push_back(std::move(bound.Window));
    } else if (!bound.Fresh && bound.Applied.Visible) {
        const RECT was = PlaceOf(bound, bound.Applied);
        ::InvalidateRect(bound.Surface, &was, FALSE);
    }
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

void FormWindow::ApplyWindow(const Control& window)
{
    const Control& applied = appliedWindow_;
    const bool fresh = windowFresh_;
    if (fresh || applied.Text != window.Text) ::SetWindowTextW(window_.get(), WideFromUtf8(window.Text).c_str());
    const SIZE client{TwipsToPixels(form_.ClientAreaWidth(), dpi_),
                      band_ ? bandPlace_.Fit.ClientHeight : TwipsToPixels(form_.ClientAreaHeight(), dpi_)};
    RECT now{};
    ::GetClientRect(window_.get(), &now);
    if (fresh || now.right != client.cx || now.bottom != client.cy) {
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

bool FormWindow::Apply(Bound& bound, const Control& control, int fitWidth, const CellLook* look, bool placeAgain)
{
    const Control& applied = bound.Applied;
    const bool reorder = bound.Fresh || applied.Stacking != control.Stacking || applied.TabIndex != control.TabIndex ||
                         applied.Index != control.Index;
    if (IsChildWindowKind(control.Kind)) {
        ApplyChild(bound, control, look, placeAgain);
    } else {
        ApplyPainted(bound, control, fitWidth, placeAgain);
    }
    bound.Applied = control;
    bound.Fresh = false;
    return reorder;
}

void FormWindow::CreateChild(Bound& bound, const Control& control, const CellLook* look)
{
    if (bound.Window) {
        if (bound.HasTip) tips_->RemoveWindow(bound.Window.get());
        bound.HasTip = false;
        byWindow_.erase(bound.Window.get());
        ::ShowWindow(bound.Window.get(), SW_HIDE);
        retired_.push_back(std::move(bound.Window));
        ::PostMessageW(window_.get(), BuryMessage, 0, 0);
    }
    // Made with its place, text, state and visibility, so that nothing is written twice.
    const ChildClass kind = ChildClassOf(control);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.Style;
    if (control.Visible) style |= WS_VISIBLE;
    if (!control.Enabled) style |= WS_DISABLED;
    if (control.Kind == ControlKind::TextBox && control.Locked) style |= ES_READONLY;
    const std::wstring text = look != nullptr ? look->Text : WideFromUtf8(ShownText(control));
    const RECT place = PlaceOf(bound, control);
    HWND child = ::CreateWindowExW(kind.ExtendedStyle, kind.Name, text.c_str(), style, place.left, place.top,
                                   place.right - place.left, place.bottom - place.top, bound.Surface, nullptr,
                                   ThisModule(), nullptr);
    if (child == nullptr) FailWith("cannot create a control");
    bound.Window.reset(child);
    bound.ShownFont = nullptr;
    bound.MadeIn = sync_;
    byWindow_[child] = &bound;
    SetFont(bound, control, look != nullptr ? look->Font : gdi_.FontOf(control, dpi_));
    if (control.Kind == ControlKind::TextBox && control.MaxLength > 0) {
        ::SendMessageW(child, EM_SETLIMITTEXT, static_cast<WPARAM>(control.MaxLength), 0);
    }
    if (control.Kind == ControlKind::CheckBox || control.Kind == ControlKind::OptionButton) {
        ::SendMessageW(child, BM_SETCHECK, CheckStateOf(control), 0);
    }
    if (control.Kind == ControlKind::Frame) {
        ::SetWindowSubclass(child, &FormWindow::SurfaceProcedure, SurfaceSubclassId, reinterpret_cast<DWORD_PTR>(this));
    } else if (control.Kind == ControlKind::TextBox) {
        ::SetWindowSubclass(child, &FormWindow::TextBoxProcedure, TextBoxSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }
}

void FormWindow::SetFont(Bound& bound, const Control& control, HFONT font)
{
    if (bound.ShownFont == font) return;
    // A window made in this Sync paints for the first time after it.
    ::SendMessageW(bound.Window.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), bound.MadeIn != sync_);
    bound.ShownFont = font;
    if (control.Kind == ControlKind::TextBox) {
        // A new font brings the face's own margins; a cell keeps its narrow ones.
        const int margin = ::MulDiv(TextBoxMargin, dpi_, StandardDpi);
        ::SendMessageW(bound.Window.get(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
    }
}

void FormWindow::ApplyChild(Bound& bound, const Control& control, const CellLook* look, bool placeAgain)
{
    // A window made in this Sync was made as the control is.
    if (bound.MadeIn == sync_) return;
    HWND child = bound.Window.get();
    const Control& applied = bound.Applied;
    const bool fresh = bound.Fresh;

    if (fresh || placeAgain || PlaceChanged(applied, control)) {
        const RECT place = PlaceOf(bound, control);
        ::SetWindowPos(child, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (fresh || applied.Enabled != control.Enabled) ::EnableWindow(child, control.Enabled ? TRUE : FALSE);
    if (look != nullptr) {
        SetFont(bound, control, look->Font);
    } else if (fresh || FontChanged(applied, control)) {
        SetFont(bound, control, gdi_.FontOf(control, dpi_));
    }
    const bool textChanged = fresh || applied.Text != control.Text || applied.FontName != control.FontName;
    if (fresh || ColorsChanged(applied, control)) ::InvalidateRect(child, nullptr, TRUE);

    switch (control.Kind) {
    case ControlKind::TextBox: {
        if (fresh || applied.MaxLength != control.MaxLength) {
            ::SendMessageW(child, EM_SETLIMITTEXT, static_cast<WPARAM>(std::max(control.MaxLength, 0)), 0);
        }
        if (fresh || applied.Locked != control.Locked) ::SendMessageW(child, EM_SETREADONLY, control.Locked, 0);
        // Compared with the window itself: the user may have typed into it.
        // Writing only a different text keeps the caret where the user left it.
        // A locked box shows its look (see CellLooks).
        const std::wstring text = look != nullptr ? look->Text : WideFromUtf8(ShownText(control));
        if (WindowText(child) != text) ::SetWindowTextW(child, text.c_str());
        break;
    }
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: {
        if (textChanged) ::SetWindowTextW(child, WideFromUtf8(ShownText(control)).c_str());
        const WPARAM state = CheckStateOf(control);
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

void FormWindow::ApplyPainted(Bound& bound, const Control& control, int fitWidth, bool placeAgain)
{
    const bool changed = bound.Fresh || bound.FitWidth != fitWidth || DrawingChanged(bound.Applied, control);
    bound.FitWidth = fitWidth;
    // A band placed anew repaints its whole window (see Sync).
    if (!changed || placeAgain) return;
    if (!bound.Fresh && bound.Applied.Visible) {
        const RECT was = PlaceOf(bound, bound.Applied);
        ::InvalidateRect(bound.Surface, &was, FALSE);
    }
    if (control.Visible) {
        const RECT place = PlaceOf(bound, control);
        ::InvalidateRect(bound.Surface, &place, FALSE);
    }
}

void FormWindow::ApplyTip(Bound& bound, const Control& control)
{
    if (!tips_) return;
    const bool wanted = !options_.ToolTip(control).empty();
    if (bound.Window) {
        if (wanted && !bound.HasTip) tips_->AddWindow(bound.Window.get());
        if (!wanted && bound.HasTip) tips_->RemoveWindow(bound.Window.get());
    } else {
        const auto id = reinterpret_cast<UINT_PTR>(&bound);
        if (wanted && !bound.HasTip) tips_->AddArea(bound.Surface, id, PlaceOf(bound, control));
        if (wanted && bound.HasTip) tips_->MoveArea(bound.Surface, id, PlaceOf(bound, control));
        if (!wanted && bound.HasTip) tips_->RemoveArea(bound.Surface, id);
    }
    bound.HasTip = wanted;
}

std::unordered_map<const Control*, CellLook> FormWindow::CellLooks()
{
    CellFitter fitter(gdi_, dpi_);
    // What a text box's edges and margins leave of its width for the text.
    const int edges = 2 * (MetricFor(SM_CXEDGE, dpi_) + ::MulDiv(TextBoxMargin, dpi_, StandardDpi));
    std::map<std::string, std::vector<CellFitter::ColumnCell>> columns;
    std::unordered_map<const Control*, CellLook> looks;
    form_.ForEachControl([&](const Control& control) {
        const CellOverflow overflow = OverflowOf(control);
        if (overflow == CellOverflow::Scroll) return;
        const int available = TwipsToPixels(control.Width, dpi_) - edges;
        if (overflow == CellOverflow::ShrinkColumn) {
            columns[control.Name].push_back({&control, available});
        } else {
            looks.emplace(&control, fitter.Elided(control, available));
        }
    });
    for (const auto& [name, cells] : columns) {
        std::vector<CellLook> column = fitter.Column(cells);
        for (std::size_t i = 0; i < cells.size(); ++i) looks.emplace(cells[i].Cell, std::move(column[i]));
    }
    return looks;
}

int FormWindow::ShiftOf(const Bound& bound, const Control& control) const
{
    if (bound.InBand) return -(bandPlace_.Top + scroll_);
    if (!band_ || control.Container != nullptr) return 0;
    const int top = control.Kind == ControlKind::Line ? std::min(control.Y1, control.Y2) : control.Top;
    return TwipsToPixels(top, dpi_) >= bandPlace_.Bottom ? -bandPlace_.Fit.Shift : 0;
}

RECT FormWindow::PlaceOf(const Bound& bound, const Control& control) const
{
    return Shifted(AreaOf(control, dpi_), ShiftOf(bound, control));
}

int FormWindow::AvailableClientHeight() const
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoW(::MonitorFromWindow(window_.get(), MONITOR_DEFAULTTONEAREST), &monitor)) return 0;
    const SIZE frame = OuterSize({0, 0}, WindowStyle(options_), 0, dpi_);
    return monitor.rcWork.bottom - monitor.rcWork.top - frame.cy;
}

FormWindow::BandPlace FormWindow::MeasureBand() const
{
    if (!band_) return {};
    const BandExtent band = ExtentOfBand(form_, options_.Scrolls, dpi_);
    const int clientHeight = TwipsToPixels(form_.ClientAreaHeight(), dpi_);
    return {band.Top, band.Bottom,
            FitBandToScreen(clientHeight, AvailableClientHeight(), band.Top, band.Bottom,
                            TwipsToPixels(MinimumBandTwips, dpi_))};
}

void FormWindow::PlaceBand()
{
    if (!band_) return;
    const int content = bandPlace_.Bottom - bandPlace_.Top;
    scroll_ = std::clamp(scroll_, 0, std::max(0, content - bandPlace_.Fit.BandHeight));
    // Under every other control of the window, as the rows are.
    ::SetWindowPos(band_.get(), HWND_BOTTOM, 0, bandPlace_.Top, TwipsToPixels(form_.ClientAreaWidth(), dpi_),
                   bandPlace_.Fit.BandHeight, SWP_NOACTIVATE);
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    scroll.nMax = std::max(0, content - 1);
    scroll.nPage = static_cast<UINT>(bandPlace_.Fit.BandHeight);
    scroll.nPos = scroll_;
    ::SetScrollInfo(band_.get(), SB_VERT, &scroll, TRUE);
    ::InvalidateRect(band_.get(), nullptr, FALSE);
}

void FormWindow::ScrollBandTo(int position)
{
    const int content = bandPlace_.Bottom - bandPlace_.Top;
    position = std::clamp(position, 0, std::max(0, content - bandPlace_.Fit.BandHeight));
    if (position == scroll_) return;
    scroll_ = position;
    // Every row's windows move to their new places at once, and the band is
    // drawn anew as a whole, double-buffered: no copy of stale pixels, no flicker.
    if (HDWP moves = ::BeginDeferWindowPos(static_cast<int>(bound_.size())); moves != nullptr) {
        for (const auto& [name, bound] : bound_) {
            if (!bound.InBand || !bound.Window || moves == nullptr) continue;
            const RECT place = PlaceOf(bound, bound.Applied);
            moves = ::DeferWindowPos(moves, bound.Window.get(), nullptr, place.left, place.top, 0, 0,
                                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (moves != nullptr) ::EndDeferWindowPos(moves);
    }
    ::RedrawWindow(band_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ::SetScrollPos(band_.get(), SB_VERT, scroll_, TRUE);
    for (auto& [name, bound] : bound_) {
        if (bound.InBand && bound.HasTip && !bound.Window) {
            tips_->MoveArea(bound.Surface, reinterpret_cast<UINT_PTR>(&bound), PlaceOf(bound, bound.Applied));
        }
    }
}

void FormWindow::OnScroll(UINT request)
{
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_ALL;
    ::GetScrollInfo(band_.get(), SB_VERT, &scroll);
    const int step = TwipsToPixels(ScrollStepTwips, dpi_);
    switch (request) {
    case SB_LINEUP: ScrollBandTo(scroll_ - step); break;
    case SB_LINEDOWN: ScrollBandTo(scroll_ + step); break;
    case SB_PAGEUP: ScrollBandTo(scroll_ - static_cast<int>(scroll.nPage)); break;
    case SB_PAGEDOWN: ScrollBandTo(scroll_ + static_cast<int>(scroll.nPage)); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollBandTo(scroll.nTrackPos); break;
    case SB_TOP: ScrollBandTo(0); break;
    case SB_BOTTOM: ScrollBandTo(scroll.nMax); break;
    default: break;
    }
}

void FormWindow::ScrollIntoView(HWND child)
{
    RECT place{};
    ::GetWindowRect(child, &place);
    ::MapWindowPoints(nullptr, band_.get(), reinterpret_cast<POINT*>(&place), 2);
    if (place.top < 0) {
        ScrollBandTo(scroll_ + place.top);
    } else if (place.bottom > bandPlace_.Fit.BandHeight) {
        ScrollBandTo(scroll_ + place.bottom - bandPlace_.Fit.BandHeight);
    }
}

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
        // From the topmost down, each below the one before it; a window
        // already in its place is not moved.
        HWND above = nullptr;
        for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
            HWND child = (*window)->Window.get();
            if (::GetWindow(child, GW_HWNDPREV) != above) {
                ::SetWindowPos(child, above != nullptr ? above : HWND_TOP, 0, 0, 0, 0,
                               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
            }
            above = child;
        }
    }
    if (band_ && ::GetWindow(band_.get(), GW_HWNDNEXT) != nullptr) {
        ::SetWindowPos(band_.get(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
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
    // A cell reached with the keyboard scrolls into view.
    if (target.InBand) ScrollIntoView(target.Window.get());
}

bool FormWindow::TranslateKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN ||
        (message.wParam != VK_TAB && message.wParam != VK_RETURN && message.wParam != VK_ESCAPE)) {
        return false;
    }
    FormWindow* self = FromWindow(::GetAncestor(message.hwnd, GA_ROOT));
    if (self == nullptr || ::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0) return false;
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    if (message.wParam == VK_TAB) {
        self->MoveFocus(shift ? -1 : 1);
        return true;
    }
    if (shift) return false;
    if (message.wParam == VK_ESCAPE) {
        // A window in front of another is a dialog: Escape closes it.
        if (self->options_.Owner == nullptr) return false;
        if (const auto closeRequest = self->handlers_.CloseRequest) closeRequest();
        return true;
    }
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

void FormWindow::DoubleClickControl(const std::string& name)
{
    if (Control* control = form_.Find(name); control != nullptr && handlers_.DoubleClick) {
        const auto doubleClick = handlers_.DoubleClick;
        doubleClick(*control);
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
            DrawSurface(surface, memory.get(), area, {-area.left, -area.top});
            ::BitBlt(dc, area.left, area.top, width, height, memory.get(), 0, 0, SRCCOPY);
        } else {
            DrawSurface(surface, dc, area, {0, 0});
        }
    }
    ::EndPaint(surface, &paint);
    if (surface == window_.get() && !firstPaintDone_) {
        firstPaintDone_ = true;
        // Reported once the paint has reached the screen: after this message.
        ::PostMessageW(window_.get(), FirstPaintedMessage, 0, 0);
    }
}

void FormWindow::DrawSurface(HWND surface, HDC dc, const RECT& area, POINT origin)
{
    ::SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    ::FillRect(dc, &area, gdi_.Brush(SurfaceModel(surface).BackColor));
    if (BoundOf(surface) != nullptr) {
        // A frame: the group box's own edge and caption, over the frame's colour.
        ::DefSubclassProc(surface, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    }
    if (const auto drawn = painted_.find(surface); drawn != painted_.end()) {
        Canvas canvas{dc, dpi_, gdi_};
        for (const Bound* bound : drawn->second) {
            const Control& control = bound->Applied;
            if (!control.Visible) continue;
            ::SetViewportOrgEx(dc, origin.x, origin.y + ShiftOf(*bound, control), nullptr);
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
    ::SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
}

const FormWindow::Bound* FormWindow::LabelAt(HWND surface, POINT point) const
{
    const auto drawn = painted_.find(surface);
    if (drawn == painted_.end()) return nullptr;
    for (auto bound = drawn->second.rbegin(); bound != drawn->second.rend(); ++bound) {
        const Control& control = (*bound)->Applied;
        if (control.Kind != ControlKind::Label || !control.Visible) continue;
        const RECT area = PlaceOf(**bound, control);
        if (::PtInRect(&area, point)) return *bound;
    }
    return nullptr;
}

void FormWindow::OnMouse(HWND surface, UINT message, POINT point)
{
    const Bound* label = LabelAt(surface, point);
    if (message != WM_LBUTTONUP) {
        // The second press of a double click is a press as well.
        pressed_ = label != nullptr ? label->Name : std::string();
        if (label != nullptr) ::SetCapture(surface);
        if (message == WM_LBUTTONDBLCLK && label != nullptr) DoubleClickControl(label->Name);
        return;
    }
    if (::GetCapture() == surface) ::ReleaseCapture();
    // A press and release of the left button on the same label is a click.
    const std::string pressed = std::exchange(pressed_, std::string());
    if (!pressed.empty() && label != nullptr && label->Name == pressed) ClickControl(pressed);
}

}  // namespace brelvon
