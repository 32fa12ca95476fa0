// brelvon-report as a user runs it: the built program, its output and exit
// status. Its report must be the clipboard text of the window model for the
// same switches, which the probe shows.
#include "support/RunProgram.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include <unistd.h>

namespace brelvon {
namespace {

using nlohmann::json;

const std::string Samples = test::SampleData();
const std::string TestData = test::TestData();

// Runs brelvon-report (or a link to it) in the given locale, so that the
// system language is known whatever the environment of the test run.
test::ProgramResult RunReport(const std::string& locale, std::vector<std::string> arguments,
                              const std::string& program = test::ReportProgram())
{
    arguments.insert(arguments.begin(), {"LC_ALL=" + locale, program});
    return test::RunProgram("/usr/bin/env", arguments);
}

std::string ProbeClipboard(std::vector<std::string> arguments)
{
    arguments.insert(arguments.end(), {"--click", "ButCopy"});
    const auto result = test::RunProgram(test::ProbeProgram(), arguments);
    EXPECT_EQ(result.ExitCode, 0) << result.Err;
    return json::parse(result.Out).at("clipboard").get<std::string>();
}

struct SameReportCase {
    std::string Name;
    std::string Locale;
    std::vector<std::string> ReportArguments;
    std::vector<std::string> ProbeArguments;
};

void PrintTo(const SameReportCase& c, std::ostream* os) { *os << c.Name; }

class ReportProgramOutput : public testing::TestWithParam<SameReportCase> {};

TEST_P(ReportProgramOutput, EqualsTheWindowsClipboardForTheSameSwitches)
{
    const auto report = RunReport(GetParam().Locale, GetParam().ReportArguments);
    ASSERT_EQ(report.ExitCode, 0) << report.Err;
    EXPECT_EQ(report.Err, "");
    EXPECT_EQ(report.Out, ProbeClipboard(GetParam().ProbeArguments));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Switches, ReportProgramOutput,
    testing::Values(
        SameReportCase{"FixedOnly", "C", {"--drives", Samples + "/sample-drives.json"},
                       {"--drives", Samples + "/sample-drives.json"}},
        SameReportCase{"FrenchWithCdRom", "C", {"--drives", Samples + "/sample-drives.json", "-LFr", "-Cd1"},
                       {"--drives", Samples + "/sample-drives.json", "--args", "-LFr -Cd1"}},
        SameReportCase{"EveryCategoryInGigabytes", "C",
                       {"-Rd1 -Nd1", "--drives=" + Samples + "/sample-drives.json", "-UGb", "-Cd1", "-Mn40"},
                       {"--drives", Samples + "/sample-drives.json", "--args", "-Rd1 -Nd1 -UGb -Cd1 -Mn40"}},
        SameReportCase{"FrenchSystemLanguage", "fr_FR.UTF-8", {"--drives", Samples + "/sample-drives.json"},
                       {"--drives", Samples + "/sample-drives.json", "--langid", "1036"}},
        SameReportCase{"EnglishSwitchOverSystemLanguage", "fr_FR.UTF-8",
                       {"--drives", Samples + "/sample-drives.json", "-LEn"},
                       {"--drives", Samples + "/sample-drives.json", "--langid", "1036", "--args", "-LEn"}},
        SameReportCase{"NoDrives", "C", {"--drives", TestData + "/drives/empty.json"},
                       {"--drives", TestData + "/drives/empty.json"}}),
    [](const testing::TestParamInfo<SameReportCase>& info) { return info.param.Name; });
// clang-format on

// A copy of the program under another name, removed at the end of the test.
class RenamedProgram {
public:
    explicit RenamedProgram(const std::string& name)
        : folder_(std::filesystem::temp_directory_path() / ("brelvon-report-test-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(folder_);
        path_ = folder_ / name;
        std::filesystem::create_symlink(std::filesystem::absolute(test::ReportProgram()), path_);
    }
    ~RenamedProgram() { std::filesystem::remove_all(folder_); }
    [[nodiscard]] std::string Path() const { return path_.string(); }

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
};

TEST(ReportProgram, TakesTheSwitchesFromItsFileNameOnlyWithoutArgumentText)
{
    const RenamedProgram renamed("brelvon-report-LFr-Cd1");
    const std::string drives = Samples + "/sample-drives.json";

    const auto fromName = RunReport("C", {"--drives", drives, "--json"}, renamed.Path());
    ASSERT_EQ(fromName.ExitCode, 0) << fromName.Err;
    const json table = json::parse(fromName.Out);
    EXPECT_EQ(table.at("rows").back().at("label"), "Disques");

    const auto named = RunReport("C", {"--drives", drives}, renamed.Path());
    EXPECT_EQ(named.Out, ProbeClipboard({"--drives", drives, "--exe", "brelvon-report-LFr-Cd1"}));
    const auto withText = RunReport("C", {"--drives", drives, "x"}, renamed.Path());
    EXPECT_EQ(withText.Out, ProbeClipboard({"--drives", drives, "--args", "x", "--exe", "brelvon-report-LFr-Cd1"}));
    EXPECT_NE(named.Out, withText.Out);
}

TEST(ReportProgram, JsonHasEveryRowWithItsKindAndTheDriveDetails)
{
    const auto result = RunReport("C", {"--drives", Samples + "/sample-drives.json", "--json", "-Cd1"});
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    const json table = json::parse(result.Out);
    EXPECT_EQ(table.at("caption"), "Brelvon v1.26");
    const json& rows = table.at("rows");
    std::string kinds;
    for (const auto& row : rows) kinds += row.at("kind").get<std::string>().front();
    EXPECT_EQ(kinds, "dddsdst");

    const json systemRow = json::parse(R"row({"kind": "drive", "letter": "C", "label": "SYSTEM", "ready": true,
        "totalMb": 250057, "freeMb": 100205, "usedMb": 149852, "percentUsed": 60, "category": "Fixed",
        "mountPoint": "/", "device": "/dev/nvme0n1p2", "fileSystem": "ext4", "availableBytes": 87404544000, "reason": null})row");
    const json notReadyRow = json::parse(R"row({"kind": "drive", "letter": "E", "label": "(not ready)", "ready": false,
        "totalMb": 0, "freeMb": 0, "usedMb": 0, "percentUsed": 0, "category": "CD-Rom",
        "mountPoint": null, "device": null, "fileSystem": null, "availableBytes": null, "reason": null})row");
    const json cdRomSubtotal = json::parse(R"row({"kind": "subtotal", "letter": null, "label": "CD-Rom", "totalMb": 0,
        "freeMb": 0, "usedMb": 0, "percentUsed": 0, "category": "CD-Rom"})row");
    EXPECT_EQ(rows[0], systemRow);
    EXPECT_EQ(rows[1].at("availableBytes"), nullptr);  // not in the drive file
    EXPECT_EQ(rows[4], notReadyRow);
    EXPECT_EQ(rows[5], cdRomSubtotal);
    EXPECT_EQ(rows[6].at("category"), nullptr);
    EXPECT_EQ(rows[6].at("totalMb"), 250057 + 1000202 + 8264);
}

TEST(ReportProgram, JsonSaysWhyADriveIsNotReadyInTheDriveFilesWords)
{
    const auto result =
        RunReport("C", {"--drives", TestData + "/drives/not-ready-reasons.json", "--json", "-Cd1", "-Rd1", "-Nd1"});
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    const json table = json::parse(result.Out);
    std::map<std::string, json> reasons;
    for (const json& row : table.at("rows")) {
        if (row.at("kind") == "drive") reasons[row.at("letter").get<std::string>()] = row.at("reason");
    }
    const std::map<std::string, json> expected{
        {"C", nullptr}, {"E", "no-medium"}, {"F", "Input/output error"}, {"G", "no-answer"}, {"H", nullptr}};
    EXPECT_EQ(reasons, expected);
}

struct DfFigures {
    std::uint64_t Size = 0;
    std::uint64_t Used = 0;
    std::uint64_t Available = 0;
};

DfFigures DfOfRoot()
{
    const auto df = test::RunProgram("/usr/bin/env", {"df", "-B1", "--output=size,used,avail", "/"});
    EXPECT_EQ(df.ExitCode, 0) << df.Err;
    std::istringstream lines(df.Out);
    std::string heading;
    std::getline(lines, heading);
    DfFigures figures;
    lines >> figures.Size >> figures.Used >> figures.Available;
    EXPECT_TRUE(lines) << df.Out;
    return figures;
}

// bytes / 1,000,000 rounded half to even.
double Megabytes(std::uint64_t bytes) { return std::nearbyint(static_cast<double>(bytes) / 1e6); }

TEST(ReportProgramOnThisMachine, RootFileSystemAgreesWithDf)
{
    const DfFigures before = DfOfRoot();
    const auto report = RunReport("C", {});
    const auto jsonRun = RunReport("C", {"--json"});
    const DfFigures after = DfOfRoot();
    ASSERT_EQ(report.ExitCode, 0) << report.Err;
    ASSERT_EQ(jsonRun.ExitCode, 0) << jsonRun.Err;

    // The root file system is drive C, first line after the heading.
    std::istringstream lines(report.Out);
    std::string line;
    for (int i = 0; i < 5; ++i) std::getline(lines, line);
    ASSERT_EQ(line.rfind("C\t", 0), 0U) << report.Out;
    std::vector<std::string> fields;
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, '\t');) fields.push_back(cell);
    ASSERT_GE(fields.size(), 6U);
    EXPECT_EQ(std::stod(fields[2]), Megabytes(before.Size));

    const auto rows = json::parse(jsonRun.Out).at("rows");
    const auto root =
        std::find_if(rows.begin(), rows.end(), [](const auto& row) { return row.value("mountPoint", json()) == "/"; });
    ASSERT_NE(root, rows.end()) << jsonRun.Out;
    EXPECT_EQ(root->at("letter"), "C");
    EXPECT_EQ(root->at("totalMb").get<double>(), Megabytes(before.Size));
    // Other programs write between the calls, and what they write may come and
    // go again (a build's temporary files): the figures lie near df's before
    // and after. The slack is far below what a wrong rule would give (the
    // space reserved for root is some percent of the disk).
    constexpr double WrittenMeanwhileMb = 256;
    const auto within = [](double value, double a, double b, double slack) {
        return value >= std::min(a, b) - slack && value <= std::max(a, b) + slack;
    };
    EXPECT_TRUE(within(std::stod(fields[4]), before.Used / 1e6, after.Used / 1e6, WrittenMeanwhileMb)) << line;
    EXPECT_TRUE(within(root->at("usedMb").get<double>(), before.Used / 1e6, after.Used / 1e6, WrittenMeanwhileMb));
    EXPECT_TRUE(
        within(root->at("availableBytes").get<double>(), before.Available, after.Available, WrittenMeanwhileMb * 1e6));
}

struct UsageCase {
    std::string Name;
    std::vector<std::string> Arguments;
    std::string ErrorStart;
};

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.Name; }

class ReportProgramUsage : public testing::TestWithParam<UsageCase> {};

TEST_P(ReportProgramUsage, UnusableCommandLineIsOneLineAndStatus2)
{
    const auto result = RunReport("C", GetParam().Arguments);
    EXPECT_EQ(result.ExitCode, 2);
    EXPECT_EQ(result.Out, "");
    EXPECT_EQ(result.Err.rfind("brelvon-report: " + GetParam().ErrorStart, 0), 0U) << result.Err;
    EXPECT_EQ(std::count(result.Err.begin(), result.Err.end(), '\n'), 1) << result.Err;
    EXPECT_EQ(result.Err.back(), '\n');
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Errors, ReportProgramUsage,
    testing::Values(UsageCase{"UnknownOption", {"--all"}, "unknown option --all"},
                    UsageCase{"JsonTakesNoValue", {"--json=pretty"}, "unknown option --json=pretty"},
                    UsageCase{"MissingDrivesFile", {"--json", "--drives"}, "--drives needs a file name"},
                    UsageCase{"AbsentDrivesFile", {"--drives", "/nonexistent/drives.json"}, "/nonexistent/drives.json"},
                    UsageCase{"MalformedDrivesFile", {"--drives", TestData + "/report/not-a-drive-file.json"},
                              TestData + "/report/not-a-drive-file.json"}),
    [](const testing::TestParamInfo<UsageCase>& info) { return info.param.Name; });
// clang-format on

TEST(ReportProgram, HelpAndVersionPrintAndSucceed)
{
    const auto version = RunReport("C", {"--version"});
    EXPECT_EQ(version.ExitCode, 0);
    EXPECT_EQ(version.Out, "Brelvon 1.26\nCopyright (c) The Brelvon developers; free software under the MIT licence\n");

    const auto help = RunReport("C", {"--help", "--drives", "/nonexistent/drives.json"});
    EXPECT_EQ(help.ExitCode, 0);
    for (const char* option : {"--drives FILE", "--json", "--help", "--version"}) {
        EXPECT_NE(help.Out.find(option), std::string::npos) << option;
    }
}

}  // namespace
}  // namespace brelvon
