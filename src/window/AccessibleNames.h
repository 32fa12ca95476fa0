#pragma once

#include "model/Control.h"
#include "model/Form.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace brelvon {

// What kind of thing a control is to a screen reader.
enum class AccessibleRole {
    Button,
    CheckBox,
    RadioButton,
    Text,         // a text box, editable or locked
    StaticText,   // a label that shows text
    Grouping,     // a frame
    ProgressBar,  // a usage bar: its value is the row's percentage used
    Graphic,      // a bar background, a limit marker, a picture
    Window,
    ColumnHeader,  // a heading over a column of the table
    Row,           // a table row: its sentence, its cells and its bar
};

// One thing a screen reader meets in a window, with what it contains. Every
// binding gives screen readers the same tree (AccessibleNames::Tree), whatever
// its toolkit's controls are.
struct AccessibleNode {
    AccessibleRole Role = AccessibleRole::Window;
    std::string Name;
    std::optional<int> Value;         // a usage bar's, 0 to 100
    const Control* Source = nullptr;  // the control shown; nullptr for a row
    int Row = 0;                      // a row's number in the table; 0 for the rest
    std::vector<AccessibleNode> Children;
};

// The names a screen reader announces for the controls of a window, as the
// window stands now (made anew for each mirror of the window): a control's
// caption where the caption says what it is; otherwise its purpose in the
// window's language (French when the window's French option is selected):
// the limit boxes and step buttons, the language buttons, the hidden focus
// button, the bottom frame, and the cells, bars and markers of row i, named
// after their column heading and the row. A name is never empty.
//
// Beyond the name: each control's role; the row's whole sentence as the
// description of every control of a table row ("C, SYSTEM, 256,061
// megabytes, 98,120 free, 62 percent used"); and the value of a usage bar.
class AccessibleNames {
public:
    explicit AccessibleNames(Form& form);

    [[nodiscard]] std::string For(const Control& control) const;
    [[nodiscard]] static AccessibleRole RoleOf(const Control& control);
    // The sentence of the table row the control belongs to, built from the
    // row's cells as they read now: the letter (not for a subtotal or total,
    // whose first cell is a sigma), the label where there is one, then the
    // size with its unit, the free space and the percentage used, which a row
    // showing dashes leaves out. Empty for a control outside the table.
    [[nodiscard]] std::string Description(const Control& control) const;
    // A usage bar's value, 0 to 100: the percentage its row shows, 0 for a
    // row of dashes. nullopt for every other control.
    [[nodiscard]] std::optional<int> ValueOf(const Control& control) const;

    // The window as a screen reader reads it, in reading order: what the
    // window shows line by line from the top, left to right within a line
    // (the title, the column headings, then each table row, named by its
    // sentence and holding its cells and its bar from left to right), then
    // the controls in their focus order, a frame just before the first
    // control it holds. A cell is named by its whole text, trimmed (its
    // heading's name when it is empty); a limit box by the caption before it.
    // Left out: what only decorates (bar backgrounds, limit markers, the
    // title's highlight copy, the units after the limit boxes, a frame without
    // a caption), captions that name a box, hidden controls and the focus
    // button outside the client area.
    [[nodiscard]] AccessibleNode Tree() const;

private:
    Form& form_;
    bool french_ = false;
    bool gigabytes_ = false;
    std::array<std::string, 6> headings_;  // captions of the headings over Text1 to Text6
};

}  // namespace brelvon
