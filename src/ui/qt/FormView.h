#pragma once

#include "model/Control.h"
#include "model/Form.h"
#include "ui/qt/FormWidget.h"
#include "ui/qt/TwipsScale.h"

#include <QIcon>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>

namespace brelvon {

// What a window does with the user's actions; each is handed the model
// control, found by name at the moment of the action.
struct FormViewHandlers {
    // A click on a button, check box, option button or label. Qt has already
    // toggled a check box or option button; the next Sync sets it from the model.
    std::function<void(Control&)> Click;
    // The user changed the text of a text box.
    std::function<void(Control&, const std::string&)> Type;
    // The user closed the window with its own close command.
    std::function<void()> CloseRequest;
};

struct FormViewOptions {
    bool MinimizeButton = true;
    QIcon Icon;                // the window's icon, also shown by picture boxes
    QWidget* Owner = nullptr;  // a window that this one stays in front of
};

// One window of the model shown as real widgets. Sync() makes the widgets
// show the model exactly: it creates a widget for every control that has
// none (its objectName is the control's FullName()), writes only the
// properties that differ from what it wrote last, deletes the widgets of
// controls that are gone, restacks and reorders the focus chain when the set
// of widgets or their order changed, and moves the keyboard focus to the
// model's focus control. The form must outlive the view; the view owns its
// top-level widget.
class FormView {
public:
    FormView(Form& form, FormViewHandlers handlers, FormViewOptions options);
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;
    ~FormView();

    void Sync();
    // Syncs, places the window (centred on the owner, else on the screen) and
    // shows it. Later Syncs follow the window's Visible.
    void Show();

    [[nodiscard]] Form& Model() const { return form_; }
    [[nodiscard]] FormWidget* Window() const { return window_; }
    // The widget of a control by its full name, such as "Text3(2)"; nullptr when there is none.
    [[nodiscard]] QWidget* WidgetOf(const std::string& fullName) const;
    [[nodiscard]] const TwipsScale& Scale() const { return scale_; }

    // Enter or Return that no control takes clicks this button.
    void SetDefaultButton(const std::string& fullName);

private:
    std::unordered_map<const Control*, int> fitWidths_;  // see SharedTextWidths
    struct Bound {
        QWidget* Widget = nullptr;
        QWidget* Parent = nullptr;
        Control Applied;  // the properties as last written to the widget
        std::string AccessibleName;
        bool Fresh = true;         // nothing written yet
        std::uint64_t SeenIn = 0;  // the Sync that last found its control
    };

    QWidget* CreateWidget(const Control& control, QWidget* parent);
    void ApplyWindow(const Control& window);
    // Returns whether the stacking or focus order of the control changed.
    bool Apply(Bound& bound, const Control& control);
    [[nodiscard]] std::unordered_map<const Control*, int> SharedTextWidths() const;
    void Restack();
    void ReorderFocusChain();
    void MirrorFocus();
    void Place();

    Form& form_;
    FormViewHandlers handlers_;
    FormViewOptions options_;
    QPointer<FormWidget> window_;
    TwipsScale scale_;
    std::unordered_map<std::string, Bound> bound_;
    Control appliedWindow_;
    bool windowFresh_ = true;
    bool shown_ = false;
    std::uint64_t sync_ = 0;
    std::string defaultButton_;
};

}  // namespace brelvon
