#pragma once

#include "model/Control.h"

#include <optional>

namespace brelvon {

// What of a control differs between what a window shows of it and the model.
struct ControlChanges {
    bool Place = false;    // Left, Top, Width, Height; a line's ends
    bool Font = false;     // face, size, bold, italic
    bool Text = false;     // the caption or text, or the face, which can change what its characters look like
    bool Colors = false;   // back, fore and border colour
    bool Look = false;     // opaque, bordered, alignment
    bool Value = false;    // ticked or selected
    bool Visible = false;
    bool Enabled = false;
    bool Typing = false;   // what a text box lets the user type: Locked, MaxLength
    bool Order = false;    // stacking, focus order, index

    // Whether anything drawn of the control differs: its pixels must be made anew.
    [[nodiscard]] bool Drawn() const { return Place || Font || Text || Colors || Look || Value || Visible || Enabled; }
    [[nodiscard]] bool Any() const { return Drawn() || Typing || Order; }
    // Everything: what a control that was never shown has.
    [[nodiscard]] static ControlChanges All();
    friend bool operator==(const ControlChanges&, const ControlChanges&) = default;
};

[[nodiscard]] ControlChanges ChangesBetween(const Control& before, const Control& now);

// What a window last showed of one control, and what changed since: the one
// record of change that every binding keeps per control. Take() records the
// model's control as shown before the binding writes anything of it, so that
// whatever paints during those writes (a button the system redraws as its
// caption is set) paints the model's state, never the one before.
class MirroredControl {
public:
    // Records `control` as shown and returns what differs from what was
    // shown before; everything when nothing was (see Forget).
    ControlChanges Take(const Control& control);
    // What was last taken; the default control before the first Take().
    [[nodiscard]] const Control& Shown() const { return shown_ ? *shown_ : none_; }
    // Whether anything was taken since it was made or forgotten.
    [[nodiscard]] bool WasShown() const { return shown_.has_value(); }
    // The next Take() returns everything: the window is written anew (a screen
    // of another resolution, a new child window).
    void Forget() { shown_.reset(); }

private:
    std::optional<Control> shown_;
    Control none_;
};

}  // namespace brelvon
