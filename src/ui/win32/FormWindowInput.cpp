// The keyboard focus, the keys the window handles itself, and the mouse on what it draws.
#include "ui/win32/FormWindow.h"

#include "ui/win32/FormWindowParts.h"
#include "os/windows/WideText.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace brelvon {

using namespace form_window;

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
        if (window != nullptr && bound.Shown().TakesFocus() && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
            order.push_back(&bound);
        }
    }
    if (order.empty()) return;
    std::sort(order.begin(), order.end(), [](const Bound* a, const Bound* b) {
        return std::tie(a->Shown().TabIndex, a->Shown().Index) < std::tie(b->Shown().TabIndex, b->Shown().Index);
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
    // A cell keeps the caret at its start, so that its first digits stay in view.
    if (target.Shown().Kind == ControlKind::TextBox) {
        const auto length = static_cast<WPARAM>(::GetWindowTextLengthW(target.Window.get()));
        ::SendMessageW(target.Window.get(), EM_SETSEL, target.Shown().Locked ? length : 0, target.Shown().Locked ? 0 : -1);
    }
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
    const std::string target = focused != nullptr && focused->Shown().Kind == ControlKind::CommandButton
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
    const ControlKind kind = bound->Shown().Kind;
    if (code == BN_CLICKED && !movingFocus_ &&
        (kind == ControlKind::CommandButton || kind == ControlKind::CheckBox || kind == ControlKind::OptionButton)) {
        ClickControl(bound->Name);
    } else if (code == EN_CHANGE && kind == ControlKind::TextBox && handlers_.Type) {
        if (Control* textBox = form_.Find(bound->Name); textBox != nullptr) {
            handlers_.Type(*textBox, Utf8FromWide(WindowText(control)));
        }
    }
}

const FormWindow::Bound* FormWindow::LabelAt(HWND surface, POINT point) const
{
    const auto drawn = painted_.find(surface);
    if (drawn == painted_.end()) return nullptr;
    for (auto bound = drawn->second.rbegin(); bound != drawn->second.rend(); ++bound) {
        const Control& control = (*bound)->Shown();
        if (!control.Visible || (control.Kind != ControlKind::Label && control.Kind != ControlKind::PictureBox)) continue;
        const RECT area = PlaceOf(**bound, control);
        if (!::PtInRect(&area, point)) continue;
        // A picture box lies above every caption, as a window does, and takes its clicks.
        return control.Kind == ControlKind::Label ? *bound : nullptr;
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
