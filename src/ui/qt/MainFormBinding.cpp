#include "ui/qt/MainFormBinding.h"

#include "refresh/RowDetails.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

#include <utility>

namespace brelvon {

MainFormBinding::MainFormBinding(MainForm& form, QIcon icon)
    : form_(form), icon_(std::move(icon)), openFolder_([](const std::string& folder) {
          QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder)));
      })
{
    FormViewHandlers handlers;
    handlers.Click = [this](Control& control) { Click(control); };
    handlers.Type = [this](Control& textBox, const std::string& text) { Type(textBox, text); };
    handlers.CloseRequest = [this] { CloseMain(); };
    handlers.DoubleClick = [this](Control& control) { OpenRow(control); };
    FormViewOptions options;
    options.MinimizeButton = true;
    options.Icon = icon_;
    options.ToolTip = [this](const Control& control) {
        const int row = MainWindow::TableRowOf(control);
        return row == 0 ? std::string() : RowToolTip(form_.LastTable(), row, form_.Window(), form_.Locale());
    };
    options.Scrolls = [](const Control& control) { return MainWindow::TableRowOf(control) != 0; };
    main_ = std::make_unique<FormView>(form_.Window(), std::move(handlers), std::move(options));
}

MainFormBinding::~MainFormBinding()
{
    // The About window is owned by the main window's widget: let it go first.
    about_.reset();
}

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
    if (const QWidget* focused = QApplication::focusWidget();
        focused != nullptr && focused->window() == main_->Window()) {
        if (Control* control = form_.Window().Find(focused->objectName().toStdString())) {
            form_.Window().SetFocus(*control);
        }
    }
    form_.MachineChanged();
    Sync();
}

void MainFormBinding::Click(Control& control)
{
    const int aboutRequests = form_.AboutRequests();
    form_.Click(control);
    main_->Sync();
    // A second request for the About window brings the one window forward.
    SyncAbout(form_.AboutRequests() != aboutRequests);
}

void MainFormBinding::Type(Control& textBox, const std::string& text)
{
    form_.Type(textBox, text);
    Sync();
}

void MainFormBinding::OpenRow(const Control& control)
{
    const std::optional<std::string> folder = FolderOfRow(form_.LastTable(), MainWindow::TableRowOf(control));
    if (folder && openFolder_) openFolder_(*folder);
}

void MainFormBinding::CloseMain()
{
    // Closing the main window ends the program, as its exit button does.
    form_.Click(form_.Window().ButExit);
    Sync();
    if (!form_.Ended()) QCoreApplication::quit();
}

void MainFormBinding::CloseAbout()
{
    form_.CloseAbout();
    Sync();
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
        FormViewHandlers handlers;  // the About window handles no clicks and has no text boxes
        handlers.CloseRequest = [this] { CloseAbout(); };
        FormViewOptions options;
        options.MinimizeButton = false;
        options.Icon = icon_;
        options.Owner = main_->Window();
        about_ = std::make_unique<FormView>(*model, std::move(handlers), std::move(options));
        about_->Show();
        bringToFront = true;
    } else {
        about_->Sync();
    }
    if (bringToFront) {
        about_->Window()->raise();
        about_->Window()->activateWindow();
    }
}

}  // namespace brelvon
