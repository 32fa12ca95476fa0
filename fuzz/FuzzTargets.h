#pragma once

#include <string_view>

namespace brelvon::fuzz {

// The fuzz targets: each takes one input of any bytes, runs the code it is
// named after and checks that code's contracts, aborting when one is broken.
// libFuzzer calls them through FuzzerMain.cpp; the test suite replays the seed
// corpora and every input that once broke a contract through the same functions.

// The first byte chooses where the text goes (bit 0: the program's file name
// instead of the arguments), the system language (bit 1: French) and whether
// start-up copies the report (bit 2); the rest is the switch text of a full
// start-up over a small drive set.
void SwitchTextTarget(std::string_view input);

// The first byte chooses the locale (bit 0: French separators) and which step
// button is clicked afterwards (bits 1 and 2); the rest is the blue limit text,
// a NUL, the red limit text. Checks Parse and FormatGeneral on both texts, then
// refreshes the window with them typed, written whole and stepped.
void LimitTextTarget(std::string_view input);

// A mountinfo text: parsed line by line and whole, then classified into drives.
void MountInfoTarget(std::string_view input);

// A drive file: loaded, and when it loads, surveyed with every category listed
// and reported.
void DriveFileTarget(std::string_view input);

}  // namespace brelvon::fuzz
