#include "ui/win32/MainFormBinding.h"

#include "os/windows/WideText.h"
#include "refresh/RowDetails.h"

#include <utility>

#include <shellapi.h>

namespace brelvon {

MainFormBinding::MainFormBinding(MainForm& form, int iconResource) : form_(form), iconResource_(iconResource)
{
    FormWindowHandlers handlers;
    handlers.Click = [this](Control& control) { Act([&] { form_.Click(control); }); };
    handlers.Type = [this](Control& textBox, const std::string& text) { Act([&] { form_.Type(textBox, text); }); };
    // Closing the main window ends the program, as its exit button does.
    handlers.CloseRequest = [this] { Act([this] { form_.Click(form_.Window().ButExit); }); };
    handlers.DoubleClick = [this](Control& control) { OpenRow(control); };
    FormWindowOptions options;
    options.MinimizeButton = true;
    options.IconResource = iconResource_;
    options.ToolTip = [this](const Control& control) {
        const int row = MainWindow::TableRowOf(control);
        return row == 0 ? std::string() : RowToolTip(form_.LastTable(), row, form_.Window(), form_.Locale());
    };
    options.Scrolls = [](const Control& control) { return MainWindow::TableRowOf(control) != 0; };
    main_ = std::make_unique<FormWindow>(form_.Window(), std::move(handlers), std::move(options));
}

// The About window is owned by the main window: it goes first.
MainFormBinding::~MainFormBinding() { about_.reset(); }

void MainFormBinding::Show()
{
    main_->Show();
    main_->SetDefaultButton(form_.Window().ButFocus.FullName());
    SyncAbout(false);
}

void MainFormBinding::Sync()
{
    main_->Sync();
    SyncAbout(false);
}

void MainFormBinding::MachineChanged()
{
    // The keyboard may have moved the focus since the last action without the
    // model knowing: it learns it first, so that the mirror leaves it there.
    if (HWND focused = ::GetFocus(); focused != nullptr && ::GetAncestor(focused, GA_ROOT) == main_->Window()) {
        if (Control* control = form_.Window().Find(main_->NameOf(focused)); control != nullptr) {
            form_.Window().SetFocus(*control);
        }
    }
    Act([this] { form_.MachineChanged(); });
}

void MainFormBinding::Act(const std::function<void()>& action)
{
    const int aboutRequests = form_.AboutRequests();
    action();
    main_->Sync();
    // A second request for the About window brings the one window forward.
    SyncAbout(form_.AboutRequests() != aboutRequests);
}

void MainFormBinding::OpenRow(const Control& control)
{
    const std::optional<std::string> folder = FolderOfRow(form_.LastTable(), MainWindow::TableRowOf(control));
    if (!folder) return;
    ::ShellExecuteW(main_->Window(), L"open", WideFromUtf8(*folder).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void MainFormBinding::SyncAbout(bool bringToFront)
{
    AboutWindow* model = form_.About();
    if (model == nullptr || (about_ && &about_->Model() != model)) about_.reset();
    if (model == nullptr || !model->Window.Visible) {
        if (about_) about_->Sync();
        return;
    }
    if (!about_) {
        FormWindowHandlers handlers;  // the About window handles no clicks and has no text boxes
        handlers.CloseRequest = [this] { Act([this] { form_.CloseAbout(); }); };
        FormWindowOptions options;
        options.MinimizeButton = false;
        options.IconResource = iconResource_;
        options.Owner = main_->Window();
        about_ = std::make_unique<FormWindow>(*model, std::move(handlers), std::move(options));
        about_->Show();
        bringToFront = true;
    } else {
        about_->Sync();
    }
    if (bringToFront) about_->BringToFront();
}

}  // namespace brelvon
