#pragma once

#include <string>
#include <vector>

namespace brelvon {

// This process's command line as UTF-8 arguments, split by Windows' own rule
// (CommandLineToArgvW) from the UTF-16 text the system keeps
// (GetCommandLineW), so that a file name or a switch outside the ANSI code
// page arrives whole. The first argument is the program as it was started.
// Throws PlatformError when the system cannot split the line.
[[nodiscard]] std::vector<std::string> ProcessArguments();

}  // namespace brelvon
