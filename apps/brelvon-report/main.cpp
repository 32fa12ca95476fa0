// brelvon-report: Brelvon's drive report on standard output, for terminals and
// scripts. Hands this machine to the terminal front end.
#include "brelvon-report/TerminalReport.h"
#include "startup/Startup.h"

#include <iostream>

#ifdef _WIN32
#include "os/windows/Utf8StandardOutput.h"
#endif

int main(int argc, char** argv)
{
#ifdef _WIN32
    const brelvon::Utf8StandardOutput utf8Output;
#endif
    std::ios::sync_with_stdio(false);
    return brelvon::RunTerminalReport(std::vector<std::string>(argv, argv + argc), brelvon::ThisMachine(), std::cout,
                                      std::cerr);
}
