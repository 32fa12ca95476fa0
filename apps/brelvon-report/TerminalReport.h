#pragma once

#include "startup/Startup.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace brelvon {

// Exit statuses of brelvon-report.
namespace terminal_exit {
inline constexpr int Success = 0;
// The drive service or standard output failed.
inline constexpr int Failure = 1;
// Unusable command line or drive file.
inline constexpr int Usage = 2;
}  // namespace terminal_exit

// How the lines of text end on this system, as Notepad and `type` expect them
// on Windows. The report ends its lines with CRLF everywhere.
#ifdef _WIN32
inline constexpr std::string_view SystemLineEnd = "\r\n";
#else
inline constexpr std::string_view SystemLineEnd = "\n";
#endif

// `text` with every line that ends in a bare LF ending in `lineEnd` instead;
// lines that already end in CRLF keep it.
[[nodiscard]] std::string WithLineEnds(std::string_view text, std::string_view lineEnd);

// What one run of brelvon-report has to say, before it is written.
struct TerminalRun {
    int Status = terminal_exit::Success;
    // Standard output's bytes: the report (UTF-8, CRLF line ends), the JSON
    // table, the usage or the version, the latter three with the line end
    // asked for.
    std::string Out;
    // Standard error's: empty, or one line "brelvon-report: ...".
    std::string Err;
};

// brelvon-report: starts the main window's model exactly as the window program
// does (switches from the argument text, else from the program file's name;
// system language; limits), runs its first refresh with the report copied to
// a clipboard in memory, and gives that report byte for byte. With --json it
// gives the drive table as JSON instead.
//
// `arguments` is the whole command line, the program's path first. Every line
// written but the report's ends in `lineEnd`.
[[nodiscard]] TerminalRun ProduceTerminalReport(const std::vector<std::string>& arguments, const Machine& machine,
                                                std::string_view lineEnd = SystemLineEnd);

// `run` once standard output did not take all of run.Out: failed, saying so.
[[nodiscard]] TerminalRun OutputNotWritten(TerminalRun run, std::string_view lineEnd = SystemLineEnd);

// The whole run on streams: ProduceTerminalReport(), run.Out written to `out`,
// then run.Err to `err`, both taken byte for byte (binary streams on Windows).
// Returns the exit status.
[[nodiscard]] int RunTerminalReport(const std::vector<std::string>& arguments, const Machine& machine,
                                    std::ostream& out, std::ostream& err, std::string_view lineEnd = SystemLineEnd);

}  // namespace brelvon
