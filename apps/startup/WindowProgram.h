#pragma once

#include <string>
#include <vector>

namespace brelvon {

// What the window programs share of their command line, whichever binding
// draws the window: brelvon (Qt) and brelvon.exe (Win32).

inline constexpr const char* WindowProgramName = "brelvon";
// The status of a command line or drive file the program cannot use.
inline constexpr int BadUsageStatus = 2;

// The text of --help for a terminal: columns of blanks, lines of at most 78
// characters.
[[nodiscard]] std::string WindowUsage();
// The same for a dialog, which wraps and aligns for itself: paragraphs of one
// line each, and one line per option, the option and its meaning separated
// by a tab; paragraphs and sections apart by an empty line.
[[nodiscard]] std::string WindowUsageForDialog();

// Takes the option that ends the program right after the window's first
// paint (so that start-up can be timed; not in the help) out of `arguments`,
// the program's path first. Returns whether it was there.
[[nodiscard]] bool TakeQuitAfterShown(std::vector<std::string>& arguments);

}  // namespace brelvon
