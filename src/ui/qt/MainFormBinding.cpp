#include "ui/qt/MainFormBinding.h"

#include <QApplication>
#include <QCursor>
#include <QProcess>
#include <QToolTip>

namespace brelvon {

namespace {

FormViewOptions WithIcon(const QIcon& icon)
{
    FormViewOptions options;
    options.Icon = icon;
    return options;
}

}  // namespace

MainFormBinding::MainFormBinding(MainForm& form, const QIcon& icon)
    : MainFormWindows(
          form, WithIcon(icon), [this](const std::string& folder) { OpenFolder(folder); },
          [] { QCoreApplication::quit(); })
{}

void MainFormBinding::OpenFolder(const std::string& folder)
{
    // xdg-open finds the desktop's file manager. What it says on the way, a
    // screenful when it finds none, is not for the user: its status tells.
    // Nothing owns it, so that the program's end neither waits for it nor
    // ends it (nor the file manager it starts).
    auto* opener = new QProcess;
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    const auto failed = [this, opener] {
        opener->deleteLater();
        NoFolderOpener();
        // Said once, where the pointer is: the row's tool tip now ends with it.
        QWidget* under = QApplication::widgetAt(QCursor::pos());
        if (under != nullptr && under->window() == Main().Window()) {
            QToolTip::showText(QCursor::pos(), under->toolTip(), under);
        }
    };
    // Heard only while the main window lives.
    QWidget* window = Main().Window();
    QObject::connect(opener, &QProcess::finished, window, [opener, failed](int status, QProcess::ExitStatus exit) {
        if (exit == QProcess::NormalExit && status == 0) {
            opener->deleteLater();
        } else {
            failed();
        }
    });
    QObject::connect(opener, &QProcess::errorOccurred, window, [failed](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) failed();
    });
    opener->start(QStringLiteral("xdg-open"), {QString::fromStdString(folder)});
}

}  // namespace brelvon
