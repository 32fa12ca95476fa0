#pragma once

#include "refresh/MainForm.h"
#include "ui/qt/FormView.h"

#include <QIcon>

#include <functional>
#include <memory>
#include <string>

namespace brelvon {

// The main window and its About window as Qt widgets, bound to a MainForm.
// The user's actions go to the form (Click, Type, CloseAbout); after each,
// and after Show(), both windows are mirrored from the model: the About
// window appears when the model has loaded it and made it visible, and goes
// when the model unloads it. The hidden ButFocus button is the main window's
// default button. The form must outlive the binding.
//
// Beyond the model: each table row shows its details as a tool tip
// (RowToolTip), a double click on a drive row opens its folder (FolderOfRow)
// without running any handler of the form, and the rows scroll when the
// window is taller than the screen.
class MainFormBinding {
public:
    MainFormBinding(MainForm& form, QIcon icon);
    MainFormBinding(const MainFormBinding&) = delete;
    MainFormBinding& operator=(const MainFormBinding&) = delete;
    ~MainFormBinding();

    // Shows the main window, centred, after the form's Initialize().
    void Show();
    // Mirrors both windows from the model.
    void Sync();
    // A refresh the machine caused (see MainForm::MachineChanged), then the
    // mirror. Call it from the event loop.
    void MachineChanged();

    [[nodiscard]] FormView& Main() { return *main_; }
    // The About window's view while the model shows it, else nullptr.
    [[nodiscard]] FormView* About() { return about_.get(); }

    // Opens a folder in the desktop's file manager; QDesktopServices by default.
    using FolderOpener = std::function<void(const std::string& folder)>;
    void SetFolderOpener(FolderOpener opener) { openFolder_ = std::move(opener); }

private:
    void Click(Control& control);
    void Type(Control& textBox, const std::string& text);
    void CloseMain();
    void CloseAbout();
    void SyncAbout(bool bringToFront);
    void OpenRow(const Control& control);

    MainForm& form_;
    QIcon icon_;
    std::unique_ptr<FormView> main_;
    std::unique_ptr<FormView> about_;
    FolderOpener openFolder_;
};

}  // namespace brelvon
