#pragma once

#include "model/Control.h"
#include "model/Form.h"

#include <array>
#include <string>

namespace brelvon {

// The names a screen reader announces for the controls of a window, as the
// window stands now (made anew for each mirror of the window): a control's
// caption where the caption says what it is; otherwise its purpose in the
// window's language (French when the window's French option is selected):
// the limit boxes and step buttons, the language buttons, the hidden focus
// button, the bottom frame, and the cells, bars and markers of row i, named
// after their column heading and the row. A name is never empty.
class AccessibleNames {
public:
    explicit AccessibleNames(Form& form);

    [[nodiscard]] std::string For(const Control& control) const;

private:
    bool french_ = false;
    std::array<std::string, 6> headings_;  // captions of the headings over Text1 to Text6
};

}  // namespace brelvon
