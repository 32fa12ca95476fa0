#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brelvon {

// A program's command line split into the long options the program itself
// takes and the argument text in which the start-up switches are searched.
struct CommandLine {
    std::optional<std::string> DrivesFile;  // --drives FILE
    bool Help = false;                      // --help
    bool Version = false;                   // --version
    bool Json = false;                      // --json, where the program takes it
    bool NoFollow = false;                  // --no-follow, where the program takes it
    // The arguments that are not our long options, joined with single blanks.
    std::string ArgumentText;
    // The program file's name without folder and extension.
    std::string ExeName;
    // Set when the line cannot be used: a missing option value, or an unknown
    // long option where the program rejects those.
    std::string Error;
};

struct CommandLineRules {
    bool AcceptJson = false;
    // Whether an unknown "--word" is an error, or stays in the argument text
    // where, like any text that matches no switch, it is ignored.
    bool RejectUnknownLongOptions = false;
    // --no-follow, the window's: the terminal report has nothing to follow.
    bool AcceptNoFollow = false;
};

[[nodiscard]] CommandLine ParseCommandLine(const std::vector<std::string>& arguments, CommandLineRules rules);
[[nodiscard]] CommandLine ParseCommandLine(int argc, const char* const* argv, CommandLineRules rules);

// "/usr/bin/Brelvon-Rd1-UGb" gives "Brelvon-Rd1-UGb", "C:\\Tools\\Brelvon.exe" gives "Brelvon".
[[nodiscard]] std::string ExeNameOf(std::string_view programPath);

}  // namespace brelvon
