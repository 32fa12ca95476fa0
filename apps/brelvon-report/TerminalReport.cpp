#include "brelvon-report/TerminalReport.h"

#include "drives/DriveFile.h"
#include "model/MemoryClipboard.h"
#include "refresh/MainForm.h"
#include "report/DriveTableJson.h"
#include "startup/CommandLine.h"

namespace brelvon {

namespace {

constexpr const char* ProgramName = "brelvon-report";

// Ends `run` with one line on standard error and `status`.
TerminalRun Fail(TerminalRun run, const std::string& message, int status, std::string_view lineEnd)
{
    run.Err = std::string(ProgramName) + ": " + message;
    run.Err += lineEnd;
    run.Status = status;
    return run;
}

std::string Usage()
{
    return std::string("Usage: ") + ProgramName +
           " [--drives FILE] [--json] [SWITCHES...]\n"
           "Prints the drive report of Brelvon's Copy button: every listed drive with its label,\n"
           "total, free and used megabytes and percent used, with subtotal and total rows.\n"
           "\n"
           "Options:\n"
           "  --drives FILE  read the drives from a JSON drive file instead of this machine\n"
           "  --json         print the drive table as JSON instead of the report\n"
           "  --help         print this help and exit\n"
           "  --version      print the version and exit\n"
           "\n"
           "Switches, as for the window: -Nd1 -Rd1 -Cd1 list network, removable, CD-ROM drives\n"
           "(-Nd0 -Rd0 -Cd0 do not); -LEn -LFr English or French; -UMb -UGb and -Mn/-Mx NUMBER\n"
           "are accepted and do not change the report. Without switches on the command line they\n"
           "are read from the program file's name.\n"
           "\n"
           "Exit status: 0 on success, 1 when the drives cannot be read or the output cannot be\n"
           "written, 2 for an unknown option, a missing option value or an unusable drive file.\n";
}

}  // namespace

std::string WithLineEnds(std::string_view text, std::string_view lineEnd)
{
    std::string ended;
    ended.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            ended += lineEnd;
        } else {
            ended += text[i];
        }
    }
    return ended;
}

TerminalRun ProduceTerminalReport(const std::vector<std::string>& arguments, const Machine& machine,
                                  std::string_view lineEnd)
{
    TerminalRun run;
    const CommandLine line =
        ParseCommandLine(arguments, CommandLineRules{.AcceptJson = true, .RejectUnknownLongOptions = true});
    if (!line.Error.empty()) return Fail(std::move(run), line.Error + " (see --help)", terminal_exit::Usage, lineEnd);

    if (line.Help) {
        run.Out = WithLineEnds(Usage(), lineEnd);
        return run;
    }
    if (line.Version) {
        run.Out = WithLineEnds(VersionLine() + '\n', lineEnd);
        return run;
    }

    Services services;
    try {
        services = StartupServices(line, machine);
    } catch (const DriveFileError& error) {
        return Fail(std::move(run), error.what(), terminal_exit::Usage, lineEnd);
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
    if (!failure.empty()) return Fail(std::move(run), failure, terminal_exit::Failure, lineEnd);

    if (line.Json) {
        // A mount point or device name need not be UTF-8; such bytes are
        // written as U+FFFD. Strings hold no raw line end: JSON escapes them.
        run.Out = WithLineEnds(DriveTableJson(form.LastTable(), form.Window().Window.Text)
                                       .dump(2, ' ', false, nlohmann::json::error_handler_t::replace) +
                                   '\n',
                               lineEnd);
    } else {
        // The refresh that copies always leaves text on the clipboard.
        run.Out = clipboard.Text().value();
    }
    return run;
}

TerminalRun OutputNotWritten(TerminalRun run, std::string_view lineEnd)
{
    return Fail(std::move(run), "cannot write to standard output", terminal_exit::Failure, lineEnd);
}

}  // namespace brelvon
