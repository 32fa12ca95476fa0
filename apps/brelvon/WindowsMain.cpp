// brelvon.exe: every drive of the machine in one window, on Windows. Wires
// the command line, the services, the main form and its Win32 binding
// together.
#include "drives/DriveFile.h"
#include "os/windows/ProcessArguments.h"
#include "os/windows/WideText.h"
#include "refresh/MainForm.h"
#include "startup/CommandLine.h"
#include "startup/Startup.h"
#include "startup/WindowProgram.h"
#include "ui/win32/MachineWatch.h"
#include "ui/win32/MainFormBinding.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/UnhandledErrorBox.h"
#include "ui/win32/UsageBox.h"
#include "ui/win32/Win32Clipboard.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

namespace {

// A standard stream of the program: its own when it was started with one (a
// redirection, a pipe), else the console it was started from; nullptr when
// there is neither (started from the desktop).
HANDLE StandardStream(DWORD which)
{
    HANDLE stream = ::GetStdHandle(which);
    if (stream != nullptr && stream != INVALID_HANDLE_VALUE) return stream;
    if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return nullptr;
    stream = ::CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    return stream != INVALID_HANDLE_VALUE ? stream : nullptr;
}

// Writes text for whoever started the program on its standard output or
// error, or the console it was started from. A console is written in UTF-16,
// anything else in UTF-8. False when there is neither (started from the desktop).
bool Write(const std::string& text, bool error)
{
    HANDLE stream = StandardStream(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (stream == nullptr) return false;
    DWORD written = 0;
    DWORD mode = 0;
    if (::GetConsoleMode(stream, &mode)) {
        const std::wstring wide = brelvon::WideFromUtf8(text);
        ::WriteConsoleW(stream, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        ::WriteFile(stream, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
    return true;
}

// Text for whoever started the program: written (see Write), else in a
// message box that fits the screen.
void Tell(const std::string& text, bool error)
{
    if (Write(text, error)) return;
    ::MessageBoxW(nullptr, brelvon::WideFromUtf8(brelvon::FitForMessageBox(text)).c_str(), L"Brelvon",
                  MB_OK | (error ? MB_ICONERROR : MB_ICONINFORMATION));
}

int Fail(const std::string& message)
{
    Tell(std::string(brelvon::WindowProgramName) + ": " + message + "\n", true);
    return brelvon::BadUsageStatus;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int /*show*/)
{
    std::vector<std::string> arguments = brelvon::ProcessArguments();
    const bool quitAfterShown = brelvon::TakeQuitAfterShown(arguments);

    const brelvon::CommandLine line =
        brelvon::ParseCommandLine(arguments, brelvon::CommandLineRules{.AcceptNoFollow = true});
    if (!line.Error.empty()) return Fail(line.Error);
    if (line.Help) {
        // A dialog's proportional face would break the terminal's columns: its own layout.
        if (!Write(brelvon::WindowUsage(), false)) brelvon::ShowUsageBox("Brelvon", brelvon::WindowUsageForDialog());
        return 0;
    }
    if (line.Version) {
        Tell(brelvon::VersionLine() + "\n", false);
        return 0;
    }

    brelvon::Services services;
    try {
        services = brelvon::StartupServices(line, brelvon::ThisMachine());
    } catch (const brelvon::DriveFileError& error) {
        return Fail(error.what());
    }

    // The system's own controls in their current look (the manifest asks for version 6).
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);

    brelvon::UnhandledErrorBox errors(brelvon::WindowProgramName, services.Application.Title);
    try {
        brelvon::Win32Clipboard clipboard;
        services.SystemClipboard = &clipboard;
        services.OnUnhandledError = [&errors](const std::exception& error) { errors.Report(error); };
        services.EndProgram = [] { ::PostQuitMessage(0); };

        brelvon::MainForm form(std::move(services));
        form.Initialize();
        if (errors.Failed()) return brelvon::UnhandledErrorBox::ExitStatus;

        brelvon::MainFormBinding binding(form, BRELVON_ICON_RESOURCE);
        binding.Show();
        // The window follows the machine: a refresh when a drive comes or
        // goes, and every few seconds while it is shown.
        std::optional<brelvon::MachineWatch> watch;
        if (!line.NoFollow) watch.emplace(binding.Main(), [&binding] { binding.MachineChanged(); });
        if (quitAfterShown) binding.Main().OnFirstPainted([] { ::PostQuitMessage(0); });
        const int status = brelvon::RunMessageLoop();
        // Timed start-ups end as a bare window program does, the windows going
        // with the process: hiding a window first makes Wine without a window
        // manager wait two seconds for one.
        if (quitAfterShown) ::ExitProcess(static_cast<UINT>(status));
        return errors.Failed() ? brelvon::UnhandledErrorBox::ExitStatus : status;
    } catch (const std::exception& error) {
        // An error of the window itself rather than of a handler: reported alike.
        errors.Report(error);
        return brelvon::UnhandledErrorBox::ExitStatus;
    }
}
