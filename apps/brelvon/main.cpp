// brelvon: every drive of the machine in one window. Wires the command line,
// the services, the main form and its Qt binding together.
#include "drives/DriveFile.h"
#include "os/SystemDisplay.h"
#include "refresh/MainForm.h"
#include "startup/CommandLine.h"
#include "startup/Startup.h"
#include "startup/WindowProgram.h"
#include "ui/qt/FontFaces.h"
#include "ui/qt/MachineWatch.h"
#include "ui/qt/MainFormBinding.h"
#include "ui/qt/PlatformStart.h"
#include "ui/qt/QtClipboard.h"
#include "ui/qt/UnhandledErrorReport.h"
#include "ui/qt/WindowStyle.h"

#include <QApplication>
#include <QIcon>

#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#ifdef __linux__
#include "os/linux/MountTableWatch.h"
#endif

namespace {

constexpr int NoDisplayStatus = 1;
constexpr const char* NoDisplayLine =
    "brelvon: no display to show the window on; brelvon-report prints the same table in a terminal";

int Fail(const std::string& message)
{
    std::cerr << brelvon::WindowProgramName << ": " << message << '\n';
    return brelvon::BadUsageStatus;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv, argv + argc);
    const bool quitAfterShown = brelvon::TakeQuitAfterShown(arguments);

    const brelvon::CommandLine line =
        brelvon::ParseCommandLine(arguments, brelvon::CommandLineRules{.AcceptNoFollow = true});
    if (!line.Error.empty()) return Fail(line.Error);
    if (line.Help) {
        std::cout << brelvon::WindowUsage();
        return 0;
    }
    if (line.Version) {
        std::cout << brelvon::VersionLine() << '\n';
        return 0;
    }

    brelvon::Services services;
    try {
        services = brelvon::StartupServices(line, brelvon::ThisMachine());
    } catch (const brelvon::DriveFileError& error) {
        return Fail(error.what());
    }
    const brelvon::ApplicationFacts facts = services.Application;

    if (!brelvon::DisplayNamed()) {
        std::cerr << NoDisplayLine << '\n';
        return NoDisplayStatus;
    }
    const brelvon::StartedApplication started = brelvon::StartApplication(argc, argv, NoDisplayLine, &brelvon::DisplayAnswers);
    // The window is laid out in fixed places; one style draws its controls the
    // same on every desktop and follows the colours the window asks for.
    QApplication::setStyle(new brelvon::WindowStyle);
    // Most controls are drawn in the window's own default face: as the
    // application's font, widgets start out in it, and the desktop's default
    // font is never loaded only to be replaced.
    QApplication::setFont(brelvon::FontFor(brelvon::Control{}));
    QApplication::setApplicationName(QString::fromStdString(facts.Title));
    QApplication::setApplicationVersion(QString::fromStdString(facts.VersionText()));
    // Lets the desktop (Wayland in particular) match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.brelvon.Brelvon"));
    const QIcon icon(QStringLiteral(":/icons/brelvon-32.png"));
    QApplication::setWindowIcon(icon);

    brelvon::QtClipboard clipboard;
    brelvon::UnhandledErrorReport errors(brelvon::WindowProgramName, facts.Title);
    services.SystemClipboard = &clipboard;
    services.OnUnhandledError = [&errors](const std::exception& error) { errors.Report(error); };
    services.EndProgram = [] { QCoreApplication::exit(0); };

    brelvon::MainForm form(std::move(services));
    form.Initialize();
    if (errors.Failed()) return brelvon::UnhandledErrorReport::ExitStatus;

    brelvon::MainFormBinding binding(form, icon);
    binding.Show();

    // The window follows the machine: a refresh when the mount table changes,
    // and every few seconds while it is shown.
    std::unique_ptr<brelvon::MachineWatch> watch;
    std::function<void()> acknowledge;
    int mountTable = -1;
#ifdef __linux__
    brelvon::MountTableWatch mountTableWatch;
    mountTable = mountTableWatch.Descriptor();
    acknowledge = [&mountTableWatch] { mountTableWatch.Acknowledge(); };
#endif
    if (!line.NoFollow) {
        watch = std::make_unique<brelvon::MachineWatch>(
            binding.Main().Window(), [&binding] { binding.MachineChanged(); }, mountTable, acknowledge);
    }
    if (quitAfterShown) {
        QObject::connect(binding.Main().Window(), &brelvon::FormWidget::FirstPainted, started.Application.get(),
                         [] { QCoreApplication::exit(0); });
    }
    const int status = QApplication::exec();
    return errors.Failed() ? brelvon::UnhandledErrorReport::ExitStatus : status;
}
