#pragma once

#include "model/Control.h"

#include <functional>
#include <string>

namespace brelvon {

// What a window does with the user's actions, whichever binding shows it;
// each is handed the model control, found by name at the moment of the
// action.
struct WindowHandlers {
    // A click on a button, check box, option button or label (and Space or
    // Enter on a button). The model decides what a check box or option button
    // shows, whatever the toolkit did on its own: the next mirror sets it.
    std::function<void(Control&)> Click;
    // The user changed the text of a text box.
    std::function<void(Control&, const std::string&)> Type;
    // The user closed the window with its own close command, or with Escape
    // for a window in front of another.
    std::function<void()> CloseRequest;
    // A double click with the left button on a text box or a label.
    std::function<void(Control&)> DoubleClick;
};

}  // namespace brelvon
