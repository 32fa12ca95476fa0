#pragma once

#include "refresh/MainForm.h"
#include "ui/qt/FormView.h"
#include "ui/shared/MainFormWindows.h"

#include <QIcon>

namespace brelvon {

// The main window and its About window as Qt widgets, bound to a MainForm
// (see MainFormWindows). A drive row's folder opens through QDesktopServices;
// closing the main window after the program ended quits the event loop.
class MainFormBinding final : public MainFormWindows<FormView, FormViewOptions> {
public:
    MainFormBinding(MainForm& form, const QIcon& icon);
};

}  // namespace brelvon
