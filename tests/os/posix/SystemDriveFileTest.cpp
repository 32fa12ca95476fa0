#include "os/SystemDriveFile.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

namespace brelvon {
namespace {

struct UnreadableCase {
    const char* Name;
    std::string Path;
    std::string Message;
};

void PrintTo(const UnreadableCase& c, std::ostream* out) { *out << c.Name; }

class UnreadableDriveFile : public testing::TestWithParam<UnreadableCase> {};

TEST_P(UnreadableDriveFile, IsRefusedNamingTheFile)
{
    try {
        (void)LoadDriveFile(GetParam().Path);
        FAIL() << "accepted";
    } catch (const DriveFileError& error) {
        EXPECT_EQ(std::string(error.what()), GetParam().Message);
    }
}

// The programs' tests try FIFOs, endless devices and files too large or too
// deep (tests/integration/drive-files).
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    SystemDriveFile, UnreadableDriveFile,
    testing::Values(
        UnreadableCase{"Missing", "/nonexistent/drives.json", "/nonexistent/drives.json: No such file or directory"},
        UnreadableCase{"Folder", test::TestData(), test::TestData() + ": is a directory"},
        UnreadableCase{"DeviceThatEnds", "/dev/null", "/dev/null: not a regular file"},
        UnreadableCase{"LineBreakInTheName", "/nonexistent/a\nb.json", "/nonexistent/a\\nb.json: No such file or directory"}),
    [](const testing::TestParamInfo<UnreadableCase>& info) { return std::string(info.param.Name); });
// clang-format on

TEST(SystemDriveFile, TheSampleFileLoads)
{
    const auto records = LoadDriveFile(test::SampleData() + "/sample-drives.json");
    EXPECT_EQ(records.size(), 6U);
}

}  // namespace
}  // namespace brelvon
