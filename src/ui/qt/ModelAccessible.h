#pragma once

#include "window/AccessibleNames.h"

#include <QAccessible>
#include <QWidget>

#include <optional>

namespace brelvon {

// Screen-reader support for the widgets that draw the model's labels, frames,
// lines and pictures, which Qt knows only as plain widgets: each reports the
// role its control has (AccessibleNames::RoleOf), and a usage bar its value,
// 0 to 100. Option buttons are radio buttons (Qt takes those that it does not
// group itself for check boxes); Qt's own buttons, check boxes and text boxes
// keep Qt's support.
class ModelAccessible {
public:
    // Registers the support with Qt once; later calls do nothing.
    static void Install();

    // Gives the widget of a label, frame, line or picture its role and, for a
    // bar, its value; a changed value is announced.
    static void Describe(QWidget& widget, AccessibleRole role, std::optional<int> value);

    [[nodiscard]] static QAccessible::Role ToQtRole(AccessibleRole role);
};

}  // namespace brelvon
