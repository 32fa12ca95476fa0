#include "os/linux/MountInfoParser.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace brelvon {
namespace {

struct ParsedLineCase {
    const char* Name;
    std::string Line;
    unsigned Id;
    unsigned ParentId;
    DeviceNumber Device;
    std::string Root;
    std::string MountPoint;
    std::vector<std::string> OptionalFields;
    std::string FileSystem;
    std::string Source;
    std::string SuperOptions;
};

void PrintTo(const ParsedLineCase& c, std::ostream* os) { *os << c.Name; }

class ParsesRealLines : public ::testing::TestWithParam<ParsedLineCase> {};

TEST_P(ParsesRealLines, FieldsDecoded)
{
    const ParsedLineCase& row = GetParam();
    const std::optional<MountEntry> entry = ParseMountInfoLine(row.Line);
    ASSERT_TRUE(entry.has_value()) << row.Line;
    EXPECT_EQ(entry->Id, row.Id);
    EXPECT_EQ(entry->ParentId, row.ParentId);
    EXPECT_EQ(entry->Device, row.Device);
    EXPECT_EQ(entry->Root, row.Root);
    EXPECT_EQ(entry->MountPoint, row.MountPoint);
    EXPECT_EQ(entry->OptionalFields, row.OptionalFields);
    EXPECT_EQ(entry->FileSystem, row.FileSystem);
    EXPECT_EQ(entry->Source, row.Source);
    EXPECT_EQ(entry->SuperOptions, row.SuperOptions);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    MountInfo, ParsesRealLines,
    ::testing::Values(
        ParsedLineCase{"NoOptionalFields", "15 20 0:3 / /proc rw,relatime - proc /proc rw", 15, 20, {0, 3}, "/",
                       "/proc", {}, "proc", "/proc", "rw"},
        ParsedLineCase{"SeveralOptionalFields",
                       "36 35 98:0 /mnt1 /mnt/parent rw,noatime master:1 shared:7 - ext3 /dev/root rw,errors=continue",
                       36, 35, {98, 0}, "/mnt1", "/mnt/parent", {"master:1", "shared:7"}, "ext3", "/dev/root",
                       "rw,errors=continue"},
        ParsedLineCase{"EmptySource", "21 20 0:53 / /mnt/test rw,relatime shared:212 - tmpfs  rw", 21, 20, {0, 53},
                       "/", "/mnt/test", {"shared:212"}, "tmpfs", "", "rw"},
        ParsedLineCase{"SpaceInMountPointAndSource",
                       "47 20 0:38 / /mnt/My\\040Share rw,relatime - cifs //nas/Our\\040Music rw,vers=3.1.1", 47, 20,
                       {0, 38}, "/", "/mnt/My Share", {}, "cifs", "//nas/Our Music", "rw,vers=3.1.1"},
        ParsedLineCase{"TabNewlineBackslash",
                       "90 27 8:17 /a\\134b /media/x\\011y\\012z rw shared:5 - vfat /dev/sdb1 rw,fmask=0022", 90, 27,
                       {8, 17}, "/a\\b", "/media/x\ty\nz", {"shared:5"}, "vfat", "/dev/sdb1", "rw,fmask=0022"},
        ParsedLineCase{"BackslashNotFollowedByOctalKept",
                       "91 27 8:18 / /mnt/a\\xb\\9 rw - ext4 /dev/sdb2 rw", 91, 27, {8, 18}, "/", "/mnt/a\\xb\\9", {},
                       "ext4", "/dev/sdb2", "rw"},
        ParsedLineCase{"FuseSubtypeKept",
                       "214 192 0:56 / /home/ann/remote rw,nosuid,nodev,relatime shared:148 - fuse.sshfs "
                       "ann@host:/srv rw,user_id=1000,group_id=1000",
                       214, 192, {0, 56}, "/", "/home/ann/remote", {"shared:148"}, "fuse.sshfs", "ann@host:/srv",
                       "rw,user_id=1000,group_id=1000"},
        ParsedLineCase{"CarriageReturnIgnored", "20 1 8:4 / / rw,noatime - ext3 /dev/sda4 rw\r", 20, 1, {8, 4}, "/",
                       "/", {}, "ext3", "/dev/sda4", "rw"}),
    [](const ::testing::TestParamInfo<ParsedLineCase>& info) { return std::string(info.param.Name); });
// clang-format on

class RejectsMalformedLines : public ::testing::TestWithParam<const char*> {};

TEST_P(RejectsMalformedLines, NoEntry) { EXPECT_FALSE(ParseMountInfoLine(GetParam()).has_value()) << GetParam(); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(MountInfo, RejectsMalformedLines,
                         ::testing::Values("15 20 0:3 / /proc rw,relatime proc /proc rw",           // no separator
                                           "15 20 0:3 / /proc rw,relatime - proc /proc",            // field missing
                                           "x 20 0:3 / /proc rw - proc /proc rw",                   // id
                                           "15 20 03 / /proc rw - proc /proc rw",                   // device
                                           "15 20 0:3x / /proc rw - proc /proc rw",                 // device
                                           "15 20 0:3 / /proc rw  - proc /proc rw",                 // empty optional
                                           "15 20 0:3 /  rw - proc /proc rw",                       // mount point
                                           "15 20 0:3 / /proc rw -  /proc rw",                      // type
                                           "garbage"));
// clang-format on

TEST(ParseMountInfo, SkipsAndCountsBadLinesKeepsOrder)
{
    const std::string text =
        "20 1 8:4 / / rw,noatime - ext3 /dev/sda4 rw\n"
        "this is not a mount\n"
        "\n"
        "40 20 8:6 / /boot rw,noatime - ext3 /dev/sda6 rw\n"
        "41 20 253:0 / /home rw - ext4\n"
        "49 20 0:56 / /mnt/test/foobar rw,relatime shared:323 - tmpfs tmpfs rw";  // no final newline
    const MountInfo info = ParseMountInfo(text);
    ASSERT_EQ(info.Entries.size(), 3u);
    EXPECT_EQ(info.Entries[0].MountPoint, "/");
    EXPECT_EQ(info.Entries[1].MountPoint, "/boot");
    EXPECT_EQ(info.Entries[2].MountPoint, "/mnt/test/foobar");
    EXPECT_EQ(info.SkippedLines, 2u);
}

}  // namespace
}  // namespace brelvon
