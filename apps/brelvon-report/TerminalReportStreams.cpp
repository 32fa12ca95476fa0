// The stream form of the terminal front end, in a file of its own: a program
// that does not call it links no C++ stream, nor the locale tables streams
// bring, which the dynamic loader would relocate at every start.
#include "brelvon-report/TerminalReport.h"

#include <ostream>

namespace brelvon {

int RunTerminalReport(const std::vector<std::string>& arguments, const Machine& machine, std::ostream& out,
                      std::ostream& err, std::string_view lineEnd)
{
    TerminalRun run = ProduceTerminalReport(arguments, machine, lineEnd);
    out.write(run.Out.data(), static_cast<std::streamsize>(run.Out.size()));
    if (!out.flush()) run = OutputNotWritten(std::move(run), lineEnd);
    err << run.Err;
    return run.Status;
}

}  // namespace brelvon
