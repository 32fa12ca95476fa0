// brelvon-report: Brelvon's drive report on standard output, for terminals and
// scripts. Wires the machine's services to the terminal front end.
#include "platform/NumberLocale.h"
#include "platform/SystemDrives.h"
#include "platform/SystemLanguage.h"
#include "platform/terminal/TerminalReport.h"

#include <iostream>

#ifdef _WIN32
#include "platform/windows/Utf8StandardOutput.h"
#endif

int main(int argc, char** argv)
{
#ifdef _WIN32
    const brelvon::Utf8StandardOutput utf8Output;
#endif
    std::ios::sync_with_stdio(false);
    const brelvon::TerminalMachine machine{brelvon::MakeSystemDriveServiceFactory(),
                                           brelvon::SystemDefaultLangId(),
                                           brelvon::NumberLocale::FromEnvironment()};
    return brelvon::RunTerminalReport(std::vector<std::string>(argv, argv + argc), machine, std::cout, std::cerr);
}
