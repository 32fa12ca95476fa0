// brelvon-report: Brelvon's drive report on standard output, for terminals and
// scripts. Hands this machine to the terminal front end.
#include "brelvon-report/TerminalReport.h"
#include "startup/Startup.h"

#ifdef _WIN32
#include "os/windows/ProcessArguments.h"
#include "os/windows/Utf8StandardOutput.h"

#include <iostream>

int main()
{
    const brelvon::Utf8StandardOutput utf8Output;
    std::ios::sync_with_stdio(false);
    // Not argv, which holds the arguments in the ANSI code page: it may lack their characters.
    return brelvon::RunTerminalReport(brelvon::ProcessArguments(), brelvon::ThisMachine(), std::cout, std::cerr);
}

#else
#include <cerrno>
#include <string_view>

#include <unistd.h>

namespace {

// Writes all of `bytes` to the descriptor, straight: the report is one piece
// of text, and a C++ stream would first build the runtime's locale, which
// costs more than a survey of the machine.
bool WriteAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    brelvon::TerminalRun run =
        brelvon::ProduceTerminalReport(std::vector<std::string>(argv, argv + argc), brelvon::ThisMachine());
    if (!WriteAll(STDOUT_FILENO, run.Out)) run = brelvon::OutputNotWritten(std::move(run));
    (void)WriteAll(STDERR_FILENO, run.Err);
    return run.Status;
}
#endif
