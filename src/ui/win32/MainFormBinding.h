#pragma once

#include "refresh/MainForm.h"
#include "ui/win32/FormWindow.h"

#include <functional>
#include <memory>

namespace brelvon {

// The main window and its About window as Win32 windows, bound to a
// MainForm. The user's actions go to the form (Click, Type, CloseAbout);
// after each, and after Show(), both windows are mirrored from the model: the
// About window appears when the model has loaded it and made it visible, and
// goes when the model unloads it. The hidden ButFocus button is the main
// window's default button. `iconResource` names the program's icon among its
// resources (0 for none). The form must outlive the binding.
//
// Beyond the model: each table row shows its details as a tool tip
// (RowToolTip), a double click on a drive row opens its folder (FolderOfRow)
// without running any handler of the form, and the rows scroll when the
// window is taller than the screen.
class MainFormBinding {
public:
    MainFormBinding(MainForm& form, int iconResource);
    MainFormBinding(const MainFormBinding&) = delete;
    MainFormBinding& operator=(const MainFormBinding&) = delete;
    ~MainFormBinding();

    // Shows the main window, centred, after the form's Initialize().
    void Show();
    // Mirrors both windows from the model.
    void Sync();
    // A refresh the machine caused (see MainForm::MachineChanged), then the
    // mirror. Call it from the message loop.
    void MachineChanged();

    [[nodiscard]] FormWindow& Main() { return *main_; }
    // The About window while the model shows it, else nullptr.
    [[nodiscard]] FormWindow* About() { return about_.get(); }

private:
    // Every change of the form goes through here: `action` runs, then both
    // windows are mirrored, the About window brought to the front when it
    // was asked for again.
    void Act(const std::function<void()>& action);
    void SyncAbout(bool bringToFront);
    void OpenRow(const Control& control);

    MainForm& form_;
    int iconResource_;
    std::unique_ptr<FormWindow> main_;
    std::unique_ptr<FormWindow> about_;
};

}  // namespace brelvon
