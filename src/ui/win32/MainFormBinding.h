#pragma once

#include "refresh/MainForm.h"
#include "ui/shared/MainFormWindows.h"
#include "ui/win32/FormWindow.h"

namespace brelvon {

// The main window and its About window as Win32 windows, bound to a MainForm
// (see MainFormWindows). `iconResource` names the program's icon among its
// resources (0 for none). A drive row's folder opens with ShellExecuteW.
class MainFormBinding final : public MainFormWindows<FormWindow, FormWindowOptions> {
public:
    MainFormBinding(MainForm& form, int iconResource);
};

}  // namespace brelvon
