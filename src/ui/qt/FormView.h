#pragma once

#include "model/Control.h"
#include "model/Form.h"
#include "ui/qt/FormWidget.h"
#include "ui/qt/TwipsScale.h"
#include "ui/shared/ColumnFit.h"
#include "ui/shared/MirroredControl.h"
#include "ui/shared/ScrollBand.h"
#include "ui/shared/WindowHandlers.h"

#include <QIcon>
#include <QLineEdit>
#include <QPointer>
#include <QScrollArea>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace brelvon {

// What the window does with the user's actions.
using FormViewHandlers = WindowHandlers;

struct FormViewOptions {
    bool MinimizeButton = true;
    QIcon Icon;                // the window's icon, also shown by picture boxes
    QWidget* Owner = nullptr;  // a window that this one stays in front of; Escape closes such a window
    // The tool tip of a control, asked on every Sync; empty for none.
    std::function<std::string(const Control&)> ToolTip;
    // The controls that make the band which scrolls when the window is taller
    // than the screen (see FitBandToScreen); none when not given.
    std::function<bool(const Control&)> Scrolls;
    // The larger units a size cell may show its number in when its digits
    // cannot be read (see FitColumn); none for other cells or when not given.
    std::function<std::optional<SizeForms>(const Control&)> ShorterForms;
};

// One window of the model shown as real widgets. Sync() makes the widgets
// show the model exactly: it creates a widget for every control that has
// none (its objectName is the control's FullName()), writes only the
// properties that differ from what it wrote last, deletes the widgets of
// controls that are gone, restacks and reorders the focus chain when the set
// of widgets or their order changed, and moves the keyboard focus to the
// model's focus control. Locked text boxes show their whole text as
// CellOverflow says. The form must outlive the view; the view owns its
// top-level widget.
//
// A window too tall for its screen's available area gets that height: the
// controls of the scrolling band lie in a scroll area between the strips
// above and below it, which move up (see FitBandToScreen), and the window's
// top never leaves the screen.
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
    // The scroll area of the band; nullptr for a window without one.
    [[nodiscard]] QScrollArea* Band() const { return band_; }

    // Enter or Return that no control takes clicks this button.
    void SetDefaultButton(const std::string& fullName);
    // Brings the window to the front and makes it the active window.
    void BringToFront();
    // The full name of the control whose widget has the keyboard focus in
    // this window; empty when none has.
    [[nodiscard]] std::string FocusedName() const;

private:
    std::unordered_map<const Control*, int> fitWidths_;  // see SharedFitWidths
    struct Bound {
        QWidget* Widget = nullptr;
        QWidget* Parent = nullptr;
        MirroredControl Mirror;  // what was last written to the widget, and what changed since
        std::string AccessibleName;
        std::string ToolTip;
        bool InBand = false;       // lies in the scrolling band
        std::uint64_t SeenIn = 0;  // the Sync that last found its control

        [[nodiscard]] const Control& Shown() const { return Mirror.Shown(); }
    };
    // Where the band lies and how it fits the screen, in pixels of the window.
    struct BandPlace {
        int Top = 0;
        int Bottom = 0;
        int Height = 0;        // of the whole client area, as if it fitted the screen
        int ScreenHeight = 0;  // of the screen's available area
        BandFit Fit;
        friend bool operator==(const BandPlace&, const BandPlace&) = default;
    };

    QWidget* CreateWidget(const Control& control, QWidget* parent);
    void ApplyWindow(const Control& window);
    // Returns whether the stacking or focus order of the control changed.
    bool Apply(Bound& bound, const Control& control, bool placeAgain);
    [[nodiscard]] QRect PlaceOf(const Bound& bound, const Control& control) const;
    void FitCells();
    void FitColumn(const std::vector<std::pair<const Control*, QLineEdit*>>& cells);
    [[nodiscard]] BandPlace MeasureBand() const;
    [[nodiscard]] int AvailableClientHeight() const;
    void PlaceBand();
    void KeepOnScreen();
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
    MirroredControl windowMirror_;
    bool shown_ = false;
    std::uint64_t sync_ = 0;
    std::string defaultButton_;
    QPointer<QScrollArea> band_;
    QWidget* bandContent_ = nullptr;  // owned by band_
    BandPlace bandPlace_;
};

}  // namespace brelvon
