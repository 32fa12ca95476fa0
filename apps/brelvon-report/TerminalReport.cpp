#include "brelvon-report/TerminalReport.h"

#include "drives/DriveFile.h"
#include "model/MemoryClipboard.h"
#include "refresh/MainForm.h"
#include "report/DriveTableJson.h"
#include "startup/CommandLine.h"

#include <ostream>

namespace brelvon {

namespace {

constexpr const char* ProgramName = "brelvon-report";

void WriteUsage(std::ostream& out)
{
    out << "Usage: " << ProgramName << " [--drives FILE] [--json] [SWITCHES...]\n"
        << "Prints the drive report of Brelvon's Copy button: every listed drive with its label,\n"
        << "total, free and used megabytes and percent used, with subtotal and total rows.\n"
        << "\n"
        << "  --drives FILE  read the drives from a JSON drive file instead of this machine\n"
        << "  --json         print the drive table as JSON instead of the report\n"
        << "  --help         print this help and exit\n"
        << "  --version      print the version and exit\n"
        << "\n"
        << "Switches, as for the window: -Nd1 -Rd1 -Cd1 list network, removable, CD-ROM drives\n"
        << "(-Nd0 -Rd0 -Cd0 do not); -LEn -LFr English or French; -UMb -UGb and -Mn/-Mx NUMBER\n"
        << "are accepted and do not change the report. Without switches on the command line they\n"
        << "are read from the program file's name.\n";
}

// One line on `err`; the status to exit with.
int Fail(std::ostream& err, const std::string& message, int status)
{
    err << ProgramName << ": " << message << '\n';
    return status;
}

}  // namespace

int RunTerminalReport(const std::vector<std::string>& arguments, const Machine& machine, std::ostream& out,
                      std::ostream& err)
{
    const CommandLine line =
        ParseCommandLine(arguments, CommandLineRules{.AcceptJson = true, .RejectUnknownLongOptions = true});
    if (!line.Error.empty()) return Fail(err, line.Error + " (see --help)", terminal_exit::Usage);

    if (line.Help) {
        WriteUsage(out);
        return out.flush() ? terminal_exit::Success
                           : Fail(err, "cannot write to standard output", terminal_exit::Failure);
    }
    if (line.Version) {
        out << VersionLine() << '\n';
        return out.flush() ? terminal_exit::Success
                           : Fail(err, "cannot write to standard output", terminal_exit::Failure);
    }

    Services services;
    try {
        services = StartupServices(line, machine);
    } catch (const DriveFileError& error) {
        return Fail(err, error.what(), terminal_exit::Usage);
    }
    MemoryClipboard clipboard;
    services.SystemClipboard = &clipboard;
    std::string failure;
    services.OnUnhandledError = [&failure](const std::exception& error) {
        failure = error.what();
        if (failure.empty()) failure = "unexpected error";
    };

    MainForm form(std::move(services));
    form.Initialize(/*copyReport=*/!line.Json);
    if (!failure.empty()) return Fail(err, failure, terminal_exit::Failure);

    if (line.Json) {
        // A mount point or device name need not be UTF-8; such bytes are written as U+FFFD.
        out << DriveTableJson(form.LastTable(), form.Window().Window.Text)
                   .dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
            << '\n';
    } else {
        // The refresh that copies always leaves text on the clipboard.
        const std::string& report = clipboard.Text().value();
        out.write(report.data(), static_cast<std::streamsize>(report.size()));
    }
    if (!out.flush()) return Fail(err, "cannot write to standard output", terminal_exit::Failure);
    return terminal_exit::Success;
}

}  // namespace brelvon
