#include "startup/CommandLine.h"

namespace brelvon {

std::string ExeNameOf(std::string_view programPath)
{
    if (const auto slash = programPath.find_last_of("/\\"); slash != std::string_view::npos) {
        programPath.remove_prefix(slash + 1);
    }
    if (const auto dot = programPath.rfind('.'); dot != std::string_view::npos && dot > 0) {
        programPath = programPath.substr(0, dot);
    }
    return std::string(programPath);
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments, CommandLineRules rules)
{
    CommandLine line;
    if (!arguments.empty()) line.ExeName = ExeNameOf(arguments[0]);
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--drives") {
            if (i + 1 >= arguments.size()) {
                line.Error = "--drives needs a file name";
                return line;
            }
            line.DrivesFile = arguments[++i];
        } else if (argument.rfind("--drives=", 0) == 0) {
            line.DrivesFile = argument.substr(9);
        } else if (argument == "--help") {
            line.Help = true;
        } else if (argument == "--version") {
            line.Version = true;
        } else if (rules.AcceptJson && argument == "--json") {
            line.Json = true;
        } else if (rules.AcceptNoFollow && argument == "--no-follow") {
            line.NoFollow = true;
        } else {
            if (rules.RejectUnknownLongOptions && argument.size() > 2 && argument.rfind("--", 0) == 0) {
                line.Error = "unknown option " + argument;
                return line;
            }
            if (!line.ArgumentText.empty()) line.ArgumentText += ' ';
            line.ArgumentText += argument;
        }
    }
    return line;
}

CommandLine ParseCommandLine(int argc, const char* const* argv, CommandLineRules rules)
{
    return ParseCommandLine(std::vector<std::string>(argv, argv + argc), rules);
}

}  // namespace brelvon
