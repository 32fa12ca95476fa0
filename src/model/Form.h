#pragma once

#include "model/Control.h"
#include "model/ControlArray.h"

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace brelvon {

// A window in memory: its own properties, its controls and control arrays,
// option-button groups and the keyboard focus. A derived class owns the
// controls as named members and registers each of them once, in the order
// of its window description.
class Form {
public:
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    // What the window frame (borders and caption bar) adds to the client area
    // in the outer size that Window.Width and Window.Height hold, in twips.
    static constexpr int FrameExtraWidth = 90;
    static constexpr int FrameExtraHeight = 420;

    // The window's own properties: Name, Text (the caption), Width and the
    // outer Height in twips, BackColor and Tag.
    Control Window;

    // The client area: the outer size less the frame.
    [[nodiscard]] int ClientAreaWidth() const { return Window.Width - FrameExtraWidth; }
    [[nodiscard]] int ClientAreaHeight() const { return Window.Height - FrameExtraHeight; }

    [[nodiscard]] Control* Focus() const { return focus_; }
    // Moves the keyboard focus. Runs no handler.
    void SetFocus(Control& control) { focus_ = &control; }

    // What showing the window does to the focus: it goes to the first control
    // of the focus order that is visible and enabled, unless a control has it.
    void FocusFirstInTabOrder();

    // Selects an option button and deselects the others of its group: the
    // option buttons with the same container.
    void SelectOption(Control& option);

    // Element index of an array as a copy of element 1, hidden.
    Control& CreateElement(ControlArray& array, int index) { return array.Create(index); }
    // Destroys an element; a focus it held goes back to no control.
    void DestroyElement(ControlArray& array, int index);

    // The window first, then every control and array element in registration order.
    template <typename Visit>
    void ForEachControl(Visit&& visit)
    {
        visit(Window);
        for (const auto& member : members_) {
            if (const auto* control = std::get_if<Control*>(&member)) {
                visit(**control);
            } else {
                std::get<ControlArray*>(member)->ForEach(visit);
            }
        }
    }
    template <typename Visit>
    void ForEachControl(Visit&& visit) const
    {
        const_cast<Form*>(this)->ForEachControl([&](Control& control) { visit(std::as_const(control)); });
    }

    // The window or control named like "Form1", "CheckCD" or "Text3(2)"; nullptr when there is none.
    [[nodiscard]] Control* Find(std::string_view fullName);

protected:
    explicit Form(std::string name);

    void Register(Control& control);
    void Register(ControlArray& array);

private:
    std::vector<std::variant<Control*, ControlArray*>> members_;
    Control* focus_ = nullptr;
};

}  // namespace brelvon
