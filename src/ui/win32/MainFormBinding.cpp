#include "ui/win32/MainFormBinding.h"

#include <utility>

namespace brelvon {

MainFormBinding::MainFormBinding(MainForm& form, int iconResource) : form_(form), iconResource_(iconResource)
{
    FormWindowHandlers handlers;
    handlers.Click = [this](Control& control) { Act([&] { form_.Click(control); }); };
    handlers.Type = [this](Control& textBox, const std::string& text) { Act([&] { form_.Type(textBox, text); }); };
    // Closing the main window ends the program, as its exit button does.
    handlers.CloseRequest = [this] { Act([this] { form_.Click(form_.Window().ButExit); }); };
    FormWindowOptions options;
    options.MinimizeButton = true;
    options.IconResource = iconResource_;
    main_ = std::make_unique<FormWindow>(form_.Window(), std::move(handlers), options);
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

void MainFormBinding::Act(const std::function<void()>& action)
{
    const int aboutRequests = form_.AboutRequests();
    action();
    main_->Sync();
    // A second request for the About window brings the one window forward.
    SyncAbout(form_.AboutRequests() != aboutRequests);
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
        about_ = std::make_unique<FormWindow>(*model, std::move(handlers), options);
        about_->Show();
        bringToFront = true;
    } else {
        about_->Sync();
    }
    if (bringToFront) about_->BringToFront();
}

}  // namespace brelvon
