#pragma once

#include "drives/DriveService.h"
#include "refresh/Services.h"
#include "startup/CommandLine.h"
#include "text/NumberLocale.h"

#include <cstdint>
#include <optional>
#include <string>

namespace brelvon {

// What a program takes from the machine it runs on: the real one in a
// program's main, made-up ones in tests.
struct Machine {
    // The drives when no --drives file is given.
    DriveServiceFactory Drives;
    std::uint16_t SystemLangId = 0x0409;
    NumberLocale Locale;
};

// This machine: its drive service, system language and number separators.
[[nodiscard]] Machine ThisMachine();

// The drives a program shows: those recorded in `drivesFile` when one is
// given, else the machine's. The file is read here, and again at each survey,
// so that a window follows the file as it follows a machine;
// a file that can no longer be used then leaves the drives last read. Throws
// DriveFileError, whose message names the file and the problem, when the
// file cannot be used here.
[[nodiscard]] DriveServiceFactory ChooseDrives(const std::optional<std::string>& drivesFile, const Machine& machine);

// The services a main window starts with: the drives (see ChooseDrives), the
// machine's language and number separators, and this build's application
// facts with the command line's argument text and program name. The
// clipboard, the unhandled-error hook and the end of the program are left to
// the caller. Throws DriveFileError.
[[nodiscard]] Services StartupServices(const CommandLine& line, const Machine& machine);

// What --version prints: the title and the version as the window caption
// writes it ("Brelvon 3.45" for version 3.4.5), then on a line of its own the
// copyright and the licence.
[[nodiscard]] std::string VersionLine();

}  // namespace brelvon
