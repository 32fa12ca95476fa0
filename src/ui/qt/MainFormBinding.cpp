#include "ui/qt/MainFormBinding.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

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
          form, WithIcon(icon),
          [](const std::string& folder) {
              QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder)));
          },
          [] { QCoreApplication::quit(); })
{}

}  // namespace brelvon
