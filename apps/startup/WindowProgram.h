#pragma once

#include <cstddef>
#include <string>
#include <string_view>
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

// Text for a message box, which Windows makes as wide as the longest line and
// as tall as all the lines, its button off the screen for a long one: every
// line broken to at most `columns` characters (at the last space when there is
// one in the second half, else within a word), and at most `lines` lines, the
// last cut with "…" when there were more.
[[nodiscard]] std::string FitForMessageBox(std::string_view text, std::size_t columns = 80, std::size_t lines = 32);

}  // namespace brelvon
