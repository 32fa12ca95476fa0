#include "drives/DriveFile.h"

#include <gtest/gtest.h>

namespace brelvon {
namespace {

TEST(DriveFile, ReadsEveryFieldAndSortsByLetter)
{
    const auto records = ParseDriveFile(R"({"drives": [
        {"letter": "e", "type": 4, "ready": false, "reason": "Input/output error"},
        {"letter": "C", "type": "Fixed", "label": "SYSTEM", "total": 250056704000, "free": 100204544000,
         "mount": "/", "device": "/dev/sda2", "fs": "ext4", "available": 90000000000},
        {"letter": "D", "type": "ram-disk", "total": 0, "free": 0}]})",
                                        "d.json");
    ASSERT_EQ(records.size(), 3U);
    EXPECT_EQ(records[0].Letter, 'C');
    EXPECT_EQ(records[0].Type, DriveType::Fixed);
    EXPECT_TRUE(records[0].Ready);
    EXPECT_EQ(records[0].Label, "SYSTEM");
    EXPECT_EQ(records[0].TotalBytes, 250056704000U);
    EXPECT_EQ(records[0].FreeBytes, 100204544000U);
    EXPECT_EQ(records[0].Details.MountPoint, "/");
    EXPECT_EQ(records[0].Details.Device, "/dev/sda2");
    EXPECT_EQ(records[0].Details.FileSystem, "ext4");
    EXPECT_EQ(records[0].Details.AvailableBytes, 90000000000U);
    EXPECT_EQ(records[1].Type, DriveType::RamDisk);
    EXPECT_EQ(records[2].Letter, 'E');
    EXPECT_EQ(records[2].Type, DriveType::CdRom);
    EXPECT_FALSE(records[2].Ready);
    EXPECT_EQ(records[2].Reason, (NotReadyReason{NotReadyReason::Kind::SystemError, "Input/output error"}));
    EXPECT_EQ(records[1].Reason, std::nullopt);
}

struct BadFile {
    const char* Name;
    const char* Text;
    const char* Message;
};

void PrintTo(const BadFile& c, std::ostream* os) { *os << c.Name; }

class MalformedDriveFile : public testing::TestWithParam<BadFile> {};

TEST_P(MalformedDriveFile, GivesOneLineNamingFileAndProblem)
{
    try {
        (void)ParseDriveFile(GetParam().Text, "d.json");
        FAIL() << "accepted";
    } catch (const DriveFileError& error) {
        const std::string what = error.what();
        EXPECT_EQ(what.rfind(std::string("d.json: ") + GetParam().Message, 0), 0U) << what;
        EXPECT_EQ(what.find('\n'), std::string::npos) << what;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    DriveFile, MalformedDriveFile,
    testing::Values(BadFile{"NotJson", "{drives", "not valid JSON at line 1, column 2: invalid literal"},
                    BadFile{"CutShortOnLineThree", "{\n  \"drives\": [\n  ", "not valid JSON at line 3, column 3: unexpected end of input"},
                    BadFile{"ReasonNotText", R"({"drives": [{"letter": "E", "type": 4, "ready": false, "reason": 5}]})", "drive 1: \"reason\" must be text"},
                    BadFile{"NoDrivesArray", R"({"disks": []})", "expected an object with a \"drives\" array"},
                    BadFile{"TopLevelArray", R"([])", "expected an object"},
                    BadFile{"DriveNotObject", R"({"drives": [3]})", "drive 1: must be an object"},
                    BadFile{"NoLetter", R"({"drives": [{"type": 2}]})", "drive 1: \"letter\" is missing"},
                    BadFile{"TwoLetters", R"({"drives": [{"letter": "CD", "type": 2}]})", "drive 1: \"letter\" must be one letter"},
                    BadFile{"DigitLetter", R"({"drives": [{"letter": "1", "type": 2}]})", "drive 1: \"letter\" must be one letter"},
                    BadFile{"SameLetterTwice", R"({"drives": [{"letter": "C", "type": 2, "ready": false}, {"letter": "c", "type": 2, "ready": false}]})", "drive 2: letter C is listed twice"},
                    BadFile{"TypeOutOfRange", R"({"drives": [{"letter": "C", "type": 6}]})", "drive 1: \"type\" must be a code from 0 to 5"},
                    BadFile{"UnknownTypeName", R"({"drives": [{"letter": "C", "type": "floppy"}]})", "drive 1: \"type\" must be one of"},
                    BadFile{"ReadyNotBoolean", R"({"drives": [{"letter": "C", "type": 2, "ready": 1}]})", "drive 1: \"ready\" must be true or false"},
                    BadFile{"ReadyWithoutTotal", R"({"drives": [{"letter": "C", "type": 2, "free": 1}]})", "drive 1: \"total\" is missing"},
                    BadFile{"NegativeSize", R"({"drives": [{"letter": "C", "type": 2, "total": -1, "free": 0}]})", "drive 1: \"total\" must be a whole number"},
                    BadFile{"FractionalSize", R"({"drives": [{"letter": "C", "type": 2, "total": 1.5, "free": 0}]})", "drive 1: \"total\" must be a whole number"},
                    BadFile{"FreeAboveTotal", R"({"drives": [{"letter": "C", "type": 2, "total": 1, "free": 2}]})", "drive 1: \"free\" is larger than \"total\""},
                    BadFile{"LabelNotText", R"({"drives": [{"letter": "C", "type": 2, "total": 1, "free": 0, "label": 7}]})", "drive 1: \"label\" must be text"}),
    [](const testing::TestParamInfo<BadFile>& info) { return std::string(info.param.Name); });
// clang-format on

TEST(DriveFile, MissingFileNamesTheFile)
{
    try {
        (void)LoadDriveFile("/nonexistent/drives.json");
        FAIL() << "accepted";
    } catch (const DriveFileError& error) {
        EXPECT_EQ(std::string(error.what()), "/nonexistent/drives.json: No such file or directory");
    }
}

TEST(DriveFile, AFolderIsNotADriveFile)
{
    try {
        (void)LoadDriveFile(BRELVON_TEST_DATA);
        FAIL() << "accepted";
    } catch (const DriveFileError& error) {
        EXPECT_EQ(std::string(error.what()), std::string(BRELVON_TEST_DATA) + ": is a directory");
    }
}

TEST(DriveFile, TheSampleFileLoads)
{
    const auto records = LoadDriveFile(BRELVON_SAMPLE_DATA "/sample-drives.json");
    EXPECT_EQ(records.size(), 6U);
}

}  // namespace
}  // namespace brelvon
