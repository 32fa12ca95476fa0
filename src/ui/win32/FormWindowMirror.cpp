// Mirroring the model: child windows made, written, restacked and retired; drawn parts invalidated.
#include "ui/win32/FormWindow.h"

#include "model/Twips.h"
#include "os/windows/WideText.h"
#include "ui/shared/FitWidths.h"
#include "ui/shared/ShownText.h"
#include "ui/shared/Stacking.h"
#include "ui/win32/ChildWindows.h"
#include "ui/win32/FormWindowParts.h"
#include "ui/win32/WindowDpi.h"

#include <algorithm>
#include <optional>
#include <utility>

#include <commctrl.h>

namespace brelvon {

using namespace form_window;

namespace {

// What a check box or option button shows of the model's Value.
WPARAM CheckStateOf(const Control& control)
{
    if (control.Value == 1) return BST_CHECKED;
    return control.Value == 2 && control.Kind == ControlKind::CheckBox ? BST_INDETERMINATE : BST_UNCHECKED;
}

}  // namespace

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
        if (IsChildWindowKind(control.Kind) && (!bound.Window || NeedsNewWindow(bound.Shown(), control))) {
            unmade.emplace_back(&bound, &control);
        }
    });
    std::sort(unmade.begin(), unmade.end(), [](const auto& a, const auto& b) {
        const bool aInFrame = a.second->Container != nullptr;
        const bool bInFrame = b.second->Container != nullptr;
        return aInFrame != bInFrame ? bInFrame : LiesBeneath(*b.second, *a.second);
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
        bound.Exact = look != nullptr ? look->Exact : std::string();
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
    } else if (bound.Mirror.WasShown() && bound.Shown().Visible) {
        const RECT was = PlaceOf(bound, bound.Shown());
        ::InvalidateRect(bound.Surface, &was, FALSE);
    }
}

void FormWindow::Rescale(int dpi)
{
    dpi_ = dpi;
    windowMirror_.Forget();
    for (auto& [name, bound] : bound_) bound.Mirror.Forget();
    UpdateIcons();
}

void FormWindow::ApplyWindow(const Control& window)
{
    const ControlChanges changes = windowMirror_.Take(window);
    if (changes.Text) ::SetWindowTextW(window_.get(), WideFromUtf8(window.Text).c_str());
    const SIZE client{TwipsToPixels(form_.ClientAreaWidth(), dpi_),
                      band_ ? bandPlace_.Fit.ClientHeight : TwipsToPixels(form_.ClientAreaHeight(), dpi_)};
    RECT now{};
    ::GetClientRect(window_.get(), &now);
    if (changes.Place || now.right != client.cx || now.bottom != client.cy) {
        const SIZE outer = OuterSize(client, WindowStyle(options_), 0, dpi_);
        ::SetWindowPos(window_.get(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (changes.Colors) ::InvalidateRect(window_.get(), nullptr, FALSE);
    if (shown_ && changes.Visible) {
        ::ShowWindow(window_.get(), window.Visible ? SW_SHOW : SW_HIDE);
    }
}

bool FormWindow::Apply(Bound& bound, const Control& control, int fitWidth, const CellLook* look, bool placeAgain)
{
    if (IsChildWindowKind(control.Kind)) {
        // Taken before anything is written: a button the system repaints as
        // its caption is set draws the new caption.
        const ControlChanges changes = bound.Mirror.Take(control);
        ApplyChild(bound, control, changes, look, placeAgain);
        return changes.Order;
    }
    std::optional<RECT> was;
    if (bound.Mirror.WasShown() && bound.Shown().Visible) was = PlaceOf(bound, bound.Shown());
    const ControlChanges changes = bound.Mirror.Take(control);
    ApplyPainted(bound, control, changes, was, fitWidth, placeAgain);
    return changes.Order;
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

void FormWindow::ApplyChild(Bound& bound, const Control& control, const ControlChanges& changes, const CellLook* look,
                            bool placeAgain)
{
    // A window made in this Sync was made as the control is.
    if (bound.MadeIn == sync_) return;
    HWND child = bound.Window.get();

    if (changes.Place || placeAgain) {
        const RECT place = PlaceOf(bound, control);
        ::SetWindowPos(child, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (changes.Enabled) ::EnableWindow(child, control.Enabled ? TRUE : FALSE);
    if (look != nullptr) {
        SetFont(bound, control, look->Font);
    } else if (changes.Font) {
        SetFont(bound, control, gdi_.FontOf(control, dpi_));
    }
    if (changes.Colors) ::InvalidateRect(child, nullptr, TRUE);

    switch (control.Kind) {
    case ControlKind::TextBox: {
        if (changes.Typing) {
            ::SendMessageW(child, EM_SETLIMITTEXT, static_cast<WPARAM>(std::max(control.MaxLength, 0)), 0);
            ::SendMessageW(child, EM_SETREADONLY, control.Locked, 0);
        }
        // Compared with the window itself: the user may have typed into it.
        // Writing only a different text keeps the caret where the user left it.
        // A locked box shows its look (see CellLooks).
        const std::wstring text = look != nullptr ? look->Text : WideFromUtf8(ShownText(control));
        if (WindowText(child) != text) ::SetWindowTextW(child, text.c_str());
        break;
    }
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: {
        if (changes.Text) ::SetWindowTextW(child, WideFromUtf8(ShownText(control)).c_str());
        const WPARAM state = CheckStateOf(control);
        if (static_cast<WPARAM>(::SendMessageW(child, BM_GETCHECK, 0, 0)) != state) {
            ::SendMessageW(child, BM_SETCHECK, state, 0);
        }
        break;
    }
    case ControlKind::CommandButton:
    case ControlKind::Frame:
        if (changes.Text) ::SetWindowTextW(child, WideFromUtf8(ShownText(control)).c_str());
        break;
    case ControlKind::Form:
    case ControlKind::Label:
    case ControlKind::Line:
    case ControlKind::PictureBox: break;
    }

    // Last, so that a control appears at its new place with its new look.
    if (changes.Visible) ::ShowWindow(child, control.Visible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void FormWindow::ApplyPainted(Bound& bound, const Control& control, const ControlChanges& changes,
                              const std::optional<RECT>& was, int fitWidth, bool placeAgain)
{
    const bool changed = changes.Drawn() || bound.FitWidth != fitWidth;
    bound.FitWidth = fitWidth;
    // A band placed anew repaints its whole window (see Sync).
    if (!changed || placeAgain) return;
    if (was) ::InvalidateRect(bound.Surface, &*was, FALSE);
    if (control.Visible) {
        const RECT place = PlaceOf(bound, control);
        ::InvalidateRect(bound.Surface, &place, FALSE);
    }
}

std::string FormWindow::TipOf(const Bound& bound, const Control& control) const
{
    std::string tip = options_.ToolTip ? options_.ToolTip(control) : std::string();
    if (!bound.Exact.empty()) tip += (tip.empty() ? "" : "\n") + bound.Exact;
    return tip;
}

void FormWindow::ApplyTip(Bound& bound, const Control& control)
{
    if (!tips_) return;
    const bool wanted = !TipOf(bound, control).empty();
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

void FormWindow::Restack()
{
    painted_.clear();
    std::map<HWND, std::vector<const Bound*>> children;
    for (const auto& [name, bound] : bound_) {
        (bound.Window ? children[bound.Surface] : painted_[bound.Surface]).push_back(&bound);
    }
    const auto lowerFirst = [](const Bound* a, const Bound* b) { return LiesBeneath(a->Shown(), b->Shown()); };
    for (auto& [surface, drawn] : painted_) std::sort(drawn.begin(), drawn.end(), lowerFirst);
    // The band goes under the others first: child windows made after it lie
    // below it, and the walk below would otherwise move every one of them.
    if (band_ && ::GetWindow(band_.get(), GW_HWNDNEXT) != nullptr) {
        ::SetWindowPos(band_.get(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
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
    for (const auto& [surface, drawn] : painted_) ::InvalidateRect(surface, nullptr, FALSE);
}

}  // namespace brelvon
