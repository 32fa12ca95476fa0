#pragma once

#include "model/Control.h"
#include "window/AccessibleNames.h"

#include <QAccessibleInterface>
#include <QWidget>

#include <functional>

namespace brelvon {

// The window's screen-reader tree (AccessibleNames::Tree) given to Qt's
// accessibility, and through it to AT-SPI: the window's children are the
// tree's, in its order, rather than the widgets it happens to hold; a table
// row is an object of its own, named by its sentence, holding the widgets of
// its cells and bar; decorations, captions and the focus button, which the
// tree leaves out, are not reached. Each control's widget takes the tree's
// name for it.
class AccessibleTreeMirror {
public:
    using WidgetLookup = std::function<QWidget*(const Control&)>;

    // Mirrors `tree` onto `window` and its widgets, found with `widgetOf`.
    static void Mirror(QWidget& window, const AccessibleNode& tree, const WidgetLookup& widgetOf);

    // A new interface for the top-level widget of a window: its children are
    // those Mirror() last gave it (its widgets until then).
    [[nodiscard]] static QAccessibleInterface* InterfaceFor(QWidget* window);
};

}  // namespace brelvon
