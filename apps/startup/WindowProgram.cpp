#include "startup/WindowProgram.h"

#include <algorithm>

namespace brelvon {

namespace {

constexpr const char* QuitAfterShownOption = "--quit-after-shown";

}  // namespace

const char* WindowUsage()
{
    return R"(Usage: brelvon [SWITCHES] [--drives FILE]
Shows every drive of the machine in one window: label, size, free and used
space, a usage bar per drive, subtotals per category and a total.

Switches, found anywhere in the arguments (or, when there are none, in the
program's file name):
  -Nd1, -Nd0   list, or do not list, network drives
  -Rd1, -Rd0   list, or do not list, removable drives
  -Cd1, -Cd0   list, or do not list, CD-ROM drives
  -UMb, -UGb   sizes in megabytes or gigabytes
  -LEn, -LFr   English or French interface
  -MnN         blue limit: drives less than N % used are blue (N from 0 to 100)
  -MxN         red limit: drives more than N % used are red (N from 0 to 100)

Options:
  --drives FILE  show the drives recorded in a JSON drive file instead of
                 this machine's
  --no-follow    show the drives as they were at the last click: no refresh
                 when drives are mounted or removed, nor every 10 seconds
                 while the window is shown
  --help         show this help and exit
  --version      show the version and exit

Exit status: 0 when the window is closed, 1 after an unexpected error (also
shown in a message box) or without a display, 2 for a bad command line or an
unusable drive file.

Brelvon is free software under the MIT licence.
)";
}

bool TakeQuitAfterShown(std::vector<std::string>& arguments)
{
    const auto found = std::find(arguments.begin() + std::min<std::ptrdiff_t>(1, std::ssize(arguments)),
                                 arguments.end(), QuitAfterShownOption);
    if (found == arguments.end()) return false;
    arguments.erase(found);
    return true;
}

}  // namespace brelvon
