// brelvon: every drive of the machine in one window. Wires the command line,
// the services, the main form and its Qt binding together.
#include "drives/DriveFile.h"
#include "os/SystemDisplay.h"
#include "refresh/MainForm.h"
#include "startup/CommandLine.h"
#include "startup/Startup.h"
#include "ui/qt/FontFaces.h"
#include "ui/qt/MachineWatch.h"
#include "ui/qt/MainFormBinding.h"
#include "ui/qt/PlatformStart.h"
#include "ui/qt/QtClipboard.h"
#include "ui/qt/UnhandledErrorReport.h"
#include "ui/qt/WindowStyle.h"

#include <QApplication>
#include <QIcon>

#include <algorithm>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#ifdef __linux__
#include "os/linux/MountTableWatch.h"
#endif

namespace {

constexpr const char* ProgramName = "brelvon";
// Not in the help: ends the program right after the window's first paint,
// so that start-up can be timed.
constexpr const char* QuitAfterShownOption = "--quit-after-shown";
constexpr int BadUsageStatus = 2;
constexpr int NoDisplayStatus = 1;
constexpr const char* NoDisplayLine =
    "brelvon: no display to show the window on; brelvon-report prints the same table in a terminal";

constexpr const char* Usage = R"(Usage: brelvon [SWITCHES] [--drives FILE]
Shows every drive of the machine in one window: label, size, free and used
space, a usage bar per drive, subtotals per category and a total.

Switches, found anywhere in the arguments (or, when there are none, in the
program's file name):
  -Nd1, -Nd0   list, or do not list, network drives
  -Rd1, -Rd0   list, or do not list, removable drives
  -Cd1, -Cd0   list, or do not list, CD-ROM drives
  -UMb, -UGb   sizes in megabytes or gigabytes
  -LEn, -LFr   English or French interface
  -MnN         blue limit: drives less than N % used are blue (N from 0 to 100)
  -MxN         red limit: drives more than N % used are red (N from 0 to 100)

Options:
  --drives FILE  show the drives recorded in a JSON drive file instead of
                 this machine's
  --no-follow    show the drives as they were at the last click: no refresh
                 when drives are mounted or removed, nor every 10 seconds
                 while the window is shown
  --help         show this help and exit
  --version      show the version and exit

Exit status: 0 when the window is closed, 1 after an unexpected error (also
shown in a message box) or without a display, 2 for a bad command line or an
unusable drive file.

Brelvon is free software under the MIT licence.
)";

int Fail(const std::string& message)
{
    std::cerr << ProgramName << ": " << message << '\n';
    return BadUsageStatus;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv, argv + argc);
    const auto quitOption = std::find(arguments.begin() + std::min(argc, 1), arguments.end(), QuitAfterShownOption);
    const bool quitAfterShown = quitOption != arguments.end();
    if (quitAfterShown) arguments.erase(quitOption);

    const brelvon::CommandLine line =
        brelvon::ParseCommandLine(arguments, brelvon::CommandLineRules{.AcceptNoFollow = true});
    if (!line.Error.empty()) return Fail(line.Error);
    if (line.Help) {
        std::cout << Usage;
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
    const std::unique_ptr<QApplication> application = brelvon::StartApplication(argc, argv, NoDisplayLine);
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
    brelvon::UnhandledErrorReport errors(ProgramName, facts.Title);
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
        QObject::connect(binding.Main().Window(), &brelvon::FormWidget::FirstPainted, application.get(),
                         [] { QCoreApplication::exit(0); });
    }
    const int status = QApplication::exec();
    return errors.Failed() ? brelvon::UnhandledErrorReport::ExitStatus : status;
}
