#include "os/linux/LabelReader.h"
#include "os/linux/LabelText.h"

#include "os/linux/TempTree.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace brelvon {
namespace {

using testing::TempTree;

struct TextCase {
    std::string Input;
    std::string Expected;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << ::testing::PrintToString(c.Input); }

class DecodesUdevEscapes : public ::testing::TestWithParam<TextCase> {};

TEST_P(DecodesUdevEscapes, ToBytes) { EXPECT_EQ(DecodeUdevEscapes(GetParam().Input), GetParam().Expected); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(Label, DecodesUdevEscapes,
                         ::testing::Values(TextCase{"My\\x20Disk", "My Disk"}, TextCase{"a\\x2fb", "a/b"},
                                           TextCase{"\\xc3\\xa9t\\xC3\\xA9", "\xc3\xa9t\xc3\xa9"},
                                           TextCase{"back\\x5cslash", "back\\slash"}, TextCase{"odd\\x2", "odd\\x2"},
                                           TextCase{"not\\xzz", "not\\xzz"}, TextCase{"plain", "plain"},
                                           TextCase{"", ""}));
// clang-format on

TEST(Label, ControlCharactersBecomeSpacesOtherBytesStay)
{
    EXPECT_EQ(VolumeNameOf(std::string("a\tb\nc\rd\x1b"
                                       "e\x7f"
                                       "f\xc3\xa9"),
                           "/"),
              "a b c d e f\xc3\xa9");
    EXPECT_EQ(VolumeNameOf(std::nullopt, "/mnt/new\nline"), "/mnt/new line");
}

TEST(Label, VolumeNameIsLabelOrMountPoint)
{
    EXPECT_EQ(VolumeNameOf(std::string("Photos\n2024"), "/media/x"), "Photos 2024");
    EXPECT_EQ(VolumeNameOf(std::string(), "/media/x"), "/media/x");
    EXPECT_EQ(VolumeNameOf(std::nullopt, "/home"), "/home");
}

TEST(Label, UdevDatabaseGivesDecodedLabel)
{
    const TempTree udev;
    udev.Write("b8:17",
               "S:disk/by-uuid/1234\nE:ID_FS_TYPE=vfat\nE:ID_FS_LABEL=My_Disk\nE:ID_FS_LABEL_ENC=My\\x20Disk\n");
    udev.Write("b8:18", "E:ID_FS_TYPE=ext4\n");
    const LabelReader labels(udev.Root() / "no-dev", udev.Root());
    EXPECT_EQ(labels.Read("/nowhere", DeviceNumber{8, 17}, false), "My Disk");
    EXPECT_EQ(labels.Read("/nowhere", DeviceNumber{8, 18}, false), std::nullopt);
    EXPECT_EQ(labels.Read("/nowhere", DeviceNumber{8, 19}, false), std::nullopt);
    EXPECT_EQ(labels.Read("/nowhere", std::nullopt, false), std::nullopt);
}

TEST(Label, ByLabelLinkComesBeforeUdevDatabase)
{
    const TempTree dev;
    // A device node for a number no real device uses; making it touches no device.
    const auto node = dev.Root() / "brelvontest0";
    if (::mknod(node.c_str(), S_IFBLK | 0600, makedev(259, 999999)) != 0) {
        GTEST_SKIP() << "cannot make a block device node here";
    }
    dev.Link("disk/by-label/Holiday\\x20Photos", "../../brelvontest0");
    dev.Write("udev/b259:999999", "E:ID_FS_LABEL_ENC=from-udev\n");
    const LabelReader labels(dev.Root(), dev.Root() / "udev");
    EXPECT_EQ(labels.Read("/nowhere", DeviceNumber{259, 999999}, false), "Holiday Photos");
    EXPECT_EQ(labels.Read("/nowhere", DeviceNumber{259, 999998}, false), std::nullopt);
}

// The Linux drive service names a volume without a label after its mount
// point, which may hold any bytes but NUL and '/' in its names.
TEST(TextCleaning, VolumeNamedAfterItsMountPointIsCleanedToo)
{
    EXPECT_EQ(VolumeNameOf(std::nullopt, "/mnt/a\nb\tc\xFF"), "/mnt/a b c\xEF\xBF\xBD");
    EXPECT_EQ(VolumeNameOf(std::string("Photos\x1b[2J"), "/media/x"), "Photos [2J");
    EXPECT_EQ(VolumeNameOf(std::string(), "/srv/with space\\and\\backslash"), "/srv/with space\\and\\backslash");
}

}  // namespace
}  // namespace brelvon
