// brelvon-report: Brelvon's drive report on standard output, for terminals and
// scripts. Wires the machine's services to the terminal front end.
#include "platform/NumberLocale.h"
#include "platform/SystemLanguage.h"
#include "platform/linux/LinuxDriveServiceFactory.h"
#include "platform/terminal/TerminalReport.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const brelvon::TerminalMachine machine{brelvon::MakeLinuxDriveServiceFactory(),
                                           brelvon::SystemLangIdFromEnvironment(),
                                           brelvon::NumberLocale::FromEnvironment()};
    return brelvon::RunTerminalReport(std::vector<std::string>(argv, argv + argc), machine, std::cout, std::cerr);
}
