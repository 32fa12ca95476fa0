#include "ui/qt/PlatformStart.h"

#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace brelvon {

namespace {

// Only touched on the one thread that makes the application, before it exists.
QStringList* heldMessages = nullptr;
const std::string* noDisplay = nullptr;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", noDisplay->c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages->append(qFormatLogMessage(type, context, message));
}

}  // namespace

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv, const std::string& noDisplayLine)
{
    QStringList held;
    heldMessages = &held;
    noDisplay = &noDisplayLine;
    const QtMessageHandler previous = qInstallMessageHandler(&HoldMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    heldMessages = nullptr;
    noDisplay = nullptr;
    for (const QString& message : held) std::fprintf(stderr, "%s\n", qPrintable(message));
    return application;
}

}  // namespace brelvon
