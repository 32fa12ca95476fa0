// Labels and mount points that try to break the report's lines: tabs,
// newlines, escape sequences, 200 characters, bytes that are not UTF-8. The
// drive file hands them to the survey cleaned, so brelvon-report keeps one line
// per row and TABs only between fields, and its JSON is always valid.
#include "FuzzForm.h"
#include "ReportShape.h"
#include "support/RunProgram.h"

#include "brelvon-report/TerminalReport.h"
#include "drives/RecordedDriveService.h"
#include "os/SystemDriveFile.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace brelvon {
namespace {

using nlohmann::json;

const std::string OddFile = test::TestData() + "/drives/odd-labels.json";
const std::string AllCategories = "-Nd1 -Rd1 -Cd1";
const std::string F = "\xEF\xBF\xBD";

std::string LongLabel()
{
    std::string label;
    for (int i = 0; i < 100; ++i) label += "\xC3\xA9";
    for (int i = 0; i < 10; ++i) label += "abcdefghi\\";
    return label;
}

// The label each drive of odd-labels.json shows.
const std::map<std::string, std::string> ShownLabels = {
    {"C", "TAB here"},           {"D", "two lines  "},
    {"E", LongLabel()},          {"F", "/net/with space\\and\\backslash"},
    {"G", F + F + " disc " + F}, {"H", " [31mRED [0m "},
    {"I", "line sep end"},
};

// The table the window builds from the file with every category listed.
DriveTable OddTable()
{
    fuzz::FuzzForm form({LoadDriveFile(OddFile), AllCategories, "Brelvon", NumberLocale(), 0x0409});
    form.Form().Initialize();
    return form.Form().LastTable();
}

TEST(OddLabels, DriveFileHandsTheSurveyCleanLabels)
{
    const DriveTable table = OddTable();
    std::map<std::string, std::string> shown;
    for (int i = 1; i <= table.DriveRowCount; ++i) {
        if (!table.Row(i).IsSummary()) shown[table.Row(i).Letter] = table.Row(i).RowLabel;
    }
    EXPECT_EQ(shown, ShownLabels);
}

TEST(OddLabels, ReportProgramKeepsOneLinePerRow)
{
    const auto result = test::RunProgram(test::ReportProgram(), {"--drives", OddFile, "-Nd1", "-Rd1", "-Cd1"});
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    const auto problem = fuzz::ReportShapeProblem(result.Out, OddTable());
    EXPECT_FALSE(problem) << *problem << "\n" << result.Out;
}

TEST(OddLabels, ReportProgramJsonHasTheCleanLabelsAndWellFormedTexts)
{
    const auto result =
        test::RunProgram(test::ReportProgram(), {"--drives", OddFile, "--json", "-Nd1", "-Rd1", "-Cd1"});
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    const json output = json::parse(result.Out);  // throws on bytes that are not UTF-8
    std::map<std::string, std::string> labels;
    std::string cdMount;
    for (const json& row : output.at("rows")) {
        if (row.value("kind", "") != "drive") continue;
        labels[row.at("letter").get<std::string>()] = row.at("label").get<std::string>();
        if (row.at("letter") == "G") cdMount = row.at("mountPoint").get<std::string>();
    }
    EXPECT_EQ(labels, ShownLabels);
    EXPECT_EQ(cdMount, "/media/cd" + F);
}

// Another drive service (the Linux one) may hand over mount points and device
// names of any bytes; the JSON writes them as U+FFFD instead of failing.
TEST(OddLabels, JsonReportWritesNonUtf8DetailsAsReplacementCharacters)
{
    DriveRecord drive{'C', DriveType::Fixed, true, "ROOT", 5000000, 1000000, {}, {}};
    drive.Details.MountPoint = "/mnt/\xFF\xFE";
    drive.Details.Device = "/dev/\xC3";
    const Machine machine{RecordedDriveService::Factory({drive}), 0x0409, NumberLocale()};
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunTerminalReport({"brelvon-report", "--json"}, machine, out, err), terminal_exit::Success) << err.str();
    const json output = json::parse(out.str());
    EXPECT_NE(output.dump().find("/mnt/" + F + F), std::string::npos) << out.str();
    EXPECT_NE(output.dump().find("/dev/" + F), std::string::npos) << out.str();
}

}  // namespace
}  // namespace brelvon
