#pragma once

#include "refresh/MainForm.h"
#include "ui/qt/FormView.h"
#include "ui/shared/MainFormWindows.h"

#include <QIcon>

#include <string>

namespace brelvon {

// The main window and its About window as Qt widgets, bound to a MainForm
// (see MainFormWindows). A drive row's folder opens through xdg-open; when
// that finds no program to open it with, the row's tool tip says so.
// Closing the main window after the program ended quits the event loop.
class MainFormBinding final : public MainFormWindows<FormView, FormViewOptions> {
public:
    MainFormBinding(MainForm& form, const QIcon& icon);

private:
    void OpenFolder(const std::string& folder);
};

}  // namespace brelvon
