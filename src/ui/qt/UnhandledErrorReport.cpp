#include "ui/qt/UnhandledErrorReport.h"

#include <QApplication>
#include <QMessageBox>

#include <iostream>

namespace brelvon {

void UnhandledErrorReport::Report(const std::exception& error)
{
    failed_ = true;
    std::cerr << programName_ << ": " << error.what() << '\n' << std::flush;
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(title_), QString::fromUtf8(error.what()),
                    QMessageBox::Ok);
    box.exec();
    QCoreApplication::exit(ExitStatus);
}

}  // namespace brelvon
