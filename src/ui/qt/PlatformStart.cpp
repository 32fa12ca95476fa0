#include "ui/qt/PlatformStart.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstdlib>
#include <future>
#include <utility>

namespace brelvon {

namespace {

// Only touched on the one thread that makes the application, before it exists.
QStringList* heldMessages = nullptr;
const std::string* noDisplay = nullptr;
bool (*displayAnswers)() = nullptr;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    heldMessages->append(qFormatLogMessage(type, context, message));
    if (type != QtFatalMsg) return;
    // Without a display Qt's messages say little to a user; with one, the
    // cause is another (a platform library missing, say): Qt's words tell it.
    if (displayAnswers()) {
        for (const QString& held : *heldMessages) std::fprintf(stderr, "%s\n", qPrintable(held));
    } else {
        std::fprintf(stderr, "%s\n", noDisplay->c_str());
    }
    std::fflush(stderr);
    std::_Exit(1);
}

// Reads fontconfig's configuration and caches, which needs nothing of Qt;
// then, once `made` tells that the application exists, fills Qt's font
// database from them (its functions may be called from any thread).
void ReadyFonts(std::future<bool> made)
{
    FcInit();
    bool applicationMade = false;
    try {
        applicationMade = made.get();
    } catch (const std::future_error&) {
        // The application was never made: there is no font database to fill.
    }
    if (applicationMade) static_cast<void>(QFontDatabase::families());
}

}  // namespace

StartedApplication StartApplication(int& argc, char** argv, const std::string& noDisplayLine,
                                    bool (*displayAnswersNow)())
{
    StartedApplication started;
    std::promise<bool> made;
    started.Fonts = std::jthread(ReadyFonts, made.get_future());

    QStringList held;
    heldMessages = &held;
    noDisplay = &noDisplayLine;
    displayAnswers = displayAnswersNow;
    const QtMessageHandler previous = qInstallMessageHandler(&HoldMessage);
    try {
        started.Application = std::make_unique<QApplication>(argc, argv);
    } catch (...) {
        qInstallMessageHandler(previous);
        made.set_value(false);
        throw;
    }
    qInstallMessageHandler(previous);
    heldMessages = nullptr;
    noDisplay = nullptr;
    displayAnswers = nullptr;
    for (const QString& message : held) std::fprintf(stderr, "%s\n", qPrintable(message));
    // Only now may the font thread speak: Qt's messages go to the usual handler.
    made.set_value(true);
    return started;
}

}  // namespace brelvon
