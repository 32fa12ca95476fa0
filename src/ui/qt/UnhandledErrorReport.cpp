#include "ui/qt/UnhandledErrorReport.h"

#include <QApplication>
#include <QMessageBox>

namespace brelvon {

void UnhandledErrorReport::ShowBox(const std::string& title, const std::string& text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(title), QString::fromUtf8(text.c_str()),
                    QMessageBox::Ok);
    box.exec();
}

void UnhandledErrorReport::EndEventLoop(int status) { QCoreApplication::exit(status); }

}  // namespace brelvon
