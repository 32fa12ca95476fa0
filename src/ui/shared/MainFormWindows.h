#pragma once

#include "refresh/MainForm.h"
#include "refresh/RowDetails.h"
#include "ui/shared/ColumnFit.h"
#include "ui/shared/WindowHandlers.h"
#include "window/MainWindow.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace brelvon {

// The main window and its About window of one MainForm, shown by a binding's
// window class: what every binding does with them, whatever draws them.
//
// The user's actions go to the form (Click, Type, CloseAbout, the close
// command of the main window); after each, after Show() and after a refresh
// the machine caused, both windows are mirrored from the model: the About
// window appears when the model has loaded it and made it visible, comes to
// the front when it is asked for again, and goes when the model unloads it.
// The hidden ButFocus button is the main window's default button. Beyond the
// model, each table row shows its details as a tool tip (RowToolTip), a
// double click on a drive row opens its folder (FolderOfRow) without running
// any handler of the form, and the rows scroll when the window is taller
// than the screen. The form must outlive the windows.
//
// View is the binding's window: View(Form&, WindowHandlers, Options), Show(),
// Sync(), Model(), Window(), BringToFront(), SetDefaultButton(name) and
// FocusedName() (the control that has the keyboard focus in this window,
// empty for none). Options has MinimizeButton, Owner (which View::Window()
// gives), ToolTip and Scrolls, and ShorterForms where the binding shows
// size cells in larger units when their digits cannot be read.
template <typename View, typename Options>
class MainFormWindows {
public:
    using FolderOpener = std::function<void(const std::string& folder)>;

    // `options` holds what the toolkit needs for both windows (the icon).
    // `openFolder` shows a folder in the desktop's file manager. `stillRunning`
    // runs when the main window's close command left the program running
    // (it had already ended by an error); none by default.
    MainFormWindows(MainForm& form, Options options, FolderOpener openFolder, std::function<void()> stillRunning = {})
        : form_(form),
          options_(std::move(options)),
          openFolder_(std::move(openFolder)),
          stillRunning_(std::move(stillRunning))
    {
        WindowHandlers handlers;
        handlers.Click = [this](Control& control) { Act([&] { form_.Click(control); }); };
        handlers.Type = [this](Control& textBox, const std::string& text) { Act([&] { form_.Type(textBox, text); }); };
        // Closing the main window ends the program, as its exit button does.
        handlers.CloseRequest = [this] {
            Act([this] { form_.Click(form_.Window().ButExit); });
            if (!form_.Ended() && stillRunning_) stillRunning_();
        };
        handlers.DoubleClick = [this](Control& control) { OpenRow(control); };
        Options main = options_;
        main.MinimizeButton = true;
        main.ToolTip = [this](const Control& control) {
            const int row = MainWindow::TableRowOf(control);
            if (row == 0) return std::string();
            std::string tip = RowToolTip(form_.LastTable(), row, form_.Window(), form_.Locale());
            if (noFolderOpener_ && FolderOfRow(form_.LastTable(), row)) tip += "\n" + NoFolderOpenerLine(form_.Window());
            return tip;
        };
        main.Scrolls = [](const Control& control) { return MainWindow::TableRowOf(control) != 0; };
        if constexpr (requires { main.ShorterForms; }) {
            main.ShorterForms = [this](const Control& control) -> std::optional<SizeForms> {
                const bool sizeCell = control.Name == "Text3" || control.Name == "Text4" || control.Name == "Text5";
                if (!sizeCell) return std::nullopt;
                return SizeFormsOf(control.Text, !form_.Window().EnglishSelected());
            };
        }
        main_ = std::make_unique<View>(form_.Window(), std::move(handlers), std::move(main));
    }
    MainFormWindows(const MainFormWindows&) = delete;
    MainFormWindows& operator=(const MainFormWindows&) = delete;
    // The About window is owned by the main window: it goes first.
    ~MainFormWindows() { about_.reset(); }

    // Shows the main window, centred, after the form's Initialize().
    void Show()
    {
        main_->Show();
        main_->SetDefaultButton(form_.Window().ButFocus.FullName());
        SyncAbout(false);
    }

    // Mirrors both windows from the model.
    void Sync()
    {
        main_->Sync();
        SyncAbout(false);
    }

    // A refresh the machine caused (see MainForm::MachineChanged), then the
    // mirror. Call it from the event loop.
    void MachineChanged()
    {
        // The keyboard may have moved the focus since the last action without
        // the model knowing: it learns it first, so that the mirror leaves it there.
        if (Control* focused = form_.Window().Find(main_->FocusedName()); focused != nullptr) {
            form_.Window().SetFocus(*focused);
        }
        Act([this] { form_.MachineChanged(); });
    }

    [[nodiscard]] View& Main() { return *main_; }
    // The About window while the model shows it, else nullptr.
    [[nodiscard]] View* About() { return about_.get(); }

    void SetFolderOpener(FolderOpener opener) { openFolder_ = std::move(opener); }

    // The folder opener found no program to open a folder with: from now on
    // the tool tip of every drive row that has a folder says so.
    void NoFolderOpener()
    {
        if (noFolderOpener_) return;
        noFolderOpener_ = true;
        main_->Sync();
    }

private:
    // Every change of the form goes through here: `action` runs, then both
    // windows are mirrored, the About window brought to the front when it was
    // asked for again.
    void Act(const std::function<void()>& action)
    {
        const int aboutRequests = form_.AboutRequests();
        action();
        main_->Sync();
        SyncAbout(form_.AboutRequests() != aboutRequests);
    }

    void OpenRow(const Control& control)
    {
        const std::optional<std::string> folder = FolderOfRow(form_.LastTable(), MainWindow::TableRowOf(control));
        if (folder && openFolder_) openFolder_(*folder);
    }

    void SyncAbout(bool bringToFront)
    {
        AboutWindow* model = form_.About();
        if (model == nullptr || (about_ && &about_->Model() != model)) about_.reset();
        if (model == nullptr || !model->Window.Visible) {
            if (about_) about_->Sync();
            return;
        }
        if (!about_) {
            WindowHandlers handlers;  // the About window handles no clicks and has no text boxes
            handlers.CloseRequest = [this] { Act([this] { form_.CloseAbout(); }); };
            Options about = options_;
            about.MinimizeButton = false;
            about.Owner = main_->Window();
            about_ = std::make_unique<View>(*model, std::move(handlers), std::move(about));
            about_->Show();
            bringToFront = true;
        } else {
            about_->Sync();
        }
        if (bringToFront) about_->BringToFront();
    }

    MainForm& form_;
    Options options_;
    FolderOpener openFolder_;
    std::function<void()> stillRunning_;
    bool noFolderOpener_ = false;
    std::unique_ptr<View> main_;
    std::unique_ptr<View> about_;
};

}  // namespace brelvon
