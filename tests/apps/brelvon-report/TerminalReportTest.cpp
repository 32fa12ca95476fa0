// The terminal front end in-process, with the machine replaced: which drives
// and language it takes, how a failure of the drive service ends it, and the
// JSON of tables the sample files do not make.
#include "brelvon-report/TerminalReport.h"
#include "drives/RecordedDriveService.h"
#include "model/PlatformError.h"
#include "report/DriveTableJson.h"

#include <gtest/gtest.h>

#include <sstream>

namespace brelvon {
namespace {

struct Outcome {
    int Status = -1;
    std::string Out;
    std::string Err;
};

Outcome RunWith(const Machine& machine, std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "/usr/bin/brelvon-report");
    std::ostringstream out;
    std::ostringstream err;
    Outcome run;
    run.Status = RunTerminalReport(arguments, machine, out, err);
    run.Out = out.str();
    run.Err = err.str();
    return run;
}

Machine MachineWithOneDrive(std::uint16_t langId)
{
    DriveRecord system;
    system.Letter = 'C';
    system.Label = "ROOT";
    system.TotalBytes = 64'000'000'000;
    system.FreeBytes = 16'000'000'000;
    return {RecordedDriveService::Factory({system}), langId, NumberLocale()};
}

TEST(TerminalReport, ReportsTheMachinesDrivesInTheSystemLanguage)
{
    const Outcome run = RunWith(MachineWithOneDrive(0x040C), {});
    EXPECT_EQ(run.Status, terminal_exit::Success);
    EXPECT_EQ(run.Out, "Brelvon v1.26\r\n\r\nDisq.\tVolume\t\t Taille\t  Libre\tUtilisé\t      %\r\n\r\n"
                       "C\tROOT        \t  64000\t  16000\t  48000\t     75\t\r\n\r\n"
                       " \tDisques     \t  64000\t  16000\t  48000\t     75\t\r\n\r\n");
    EXPECT_EQ(run.Err, "");
}

TEST(TerminalReport, DriveServiceFailureEndsWithOneLineAndStatus1)
{
    Machine machine = MachineWithOneDrive(0x0409);
    machine.Drives = []() -> std::unique_ptr<DriveService> { throw PlatformError("cannot read /proc/self/mountinfo"); };
    for (const bool json : {false, true}) {
        const Outcome run = RunWith(machine, json ? std::vector<std::string>{"--json"} : std::vector<std::string>{});
        EXPECT_EQ(run.Status, terminal_exit::Failure);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err, "brelvon-report: cannot read /proc/self/mountinfo\n");
    }
}

// Every line ends in the line end asked for, the report's in CRLF whatever is asked.
TEST(TerminalReport, EndsEveryLineAsAsked)
{
    const auto lineEnds = [](const std::string& text) {
        std::string ends;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') ends += i > 0 && text[i - 1] == '\r' ? 'C' : 'L';
            if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) ends += '?';
        }
        return ends;
    };
    const Machine machine = MachineWithOneDrive(0x0409);
    const struct {
        std::vector<std::string> Arguments;
        bool Report;
    } cases[] = {{{"--help"}, false}, {{"--version"}, false}, {{"--json"}, false}, {{"--bogus"}, false}, {{}, true}};
    for (const auto& c : cases) {
        for (const std::string_view lineEnd : {"\r\n", "\n"}) {
            std::vector<std::string> arguments = c.Arguments;
            arguments.insert(arguments.begin(), "brelvon-report");
            const TerminalRun run = ProduceTerminalReport(arguments, machine, lineEnd);
            const std::string text = run.Out + run.Err;
            const char expected = c.Report || lineEnd == "\r\n" ? 'C' : 'L';
            const std::string ends = lineEnds(text);
            SCOPED_TRACE(text);
            EXPECT_GE(ends.size(), 1U);
            EXPECT_EQ(ends, std::string(ends.size(), expected));
        }
    }
}

TEST(DriveTableJson, TableWithoutDrivesHasATotalRowWithNullSizes)
{
    DriveTable table;
    table.Rows.resize(2);
    table.Rows[1].Letter = "S";
    table.Rows[1].RowLabel = "Drives";
    table.Rows[1].RowKind = row_kind::Total;
    table.DriveRowCount = 1;
    const auto json = DriveTableJson(table, "Brelvon v1.26");
    EXPECT_EQ(json.dump(), R"({"caption":"Brelvon v1.26","rows":[{"kind":"total","letter":null,"label":"Drives",)"
                           R"("totalMb":null,"freeMb":null,"usedMb":null,"percentUsed":0,"category":null}]})");
}

}  // namespace
}  // namespace brelvon
