#pragma once

#include "startup/Startup.h"

#include <iosfwd>
#include <string>
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

// brelvon-report: starts the main window's model exactly as the window program
// does (switches from the argument text, else from the program file's name;
// system language; limits), runs its first refresh with the report copied to
// a clipboard in memory, and writes that report to `out` byte for byte (UTF-8,
// CRLF line ends). With --json it writes the drive table as JSON instead.
//
// `arguments` is the whole command line, the program's path first. Every
// problem is one line "brelvon-report: ..." on `err`. Returns the exit status.
[[nodiscard]] int RunTerminalReport(const std::vector<std::string>& arguments, const Machine& machine,
                                    std::ostream& out, std::ostream& err);

}  // namespace brelvon
