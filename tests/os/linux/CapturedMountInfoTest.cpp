#include "support/CapturedMountInfo.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace brelvon {
namespace {

std::string ReadTestFile(const std::string& name)
{
    std::ifstream in(test::TestData() + "/mountinfo/" + name);
    if (!in) {
        throw std::runtime_error("missing test data " + name);
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct CapturedCase {
    const char* File;
    const char* ExpectedJson;
};

void PrintTo(const CapturedCase& c, std::ostream* os) { *os << c.File; }

class ClassifiesCapturedTables : public ::testing::TestWithParam<CapturedCase> {};

TEST_P(ClassifiesCapturedTables, GivesTheirKnownDrives)
{
    const auto drives = ClassifyCapturedMountInfo(ReadTestFile(GetParam().File));
    EXPECT_EQ(ClassifiedDrivesToJson(drives), nlohmann::json::parse(GetParam().ExpectedJson)) << GetParam().File;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    CapturedMountInfo, ClassifiesCapturedTables,
    ::testing::Values(
        CapturedCase{"classic-cifs-gvfs.txt",
                     R"([["C","/",2],["D","/boot",2],["E","/home/kzak",2],["F","/mnt/test/foobar",5],["G","/mnt/sounds",3]])"},
        CapturedCase{"btrfs-subvolumes.txt", R"([["C","/",2]])"},
        CapturedCase{"empty-source.txt", R"([["C","/",2],["D","/mnt/test",5]])"},
        CapturedCase{"fedora-workstation-docker.txt",
                     R"([["C","/",2],["D","/boot",2],["E","/home",2],["F","/tmp",5]])"},
        CapturedCase{"podman-container.txt", R"([["C","/",2]])"},
        CapturedCase{"root-on-zfs-desktop.txt",
                     R"([["C","/",2],["D","/boot",2],["E","/boot/efi",2],["F","/tank/media",2]])"},
        CapturedCase{"cifs-unescaped-unc.txt", R"([["C","/",2],["D","/DATA/foo_bla_bla",3]])"},
        CapturedCase{"squashfs-root.txt", R"([["C","/",2],["D","/writable",2]])"},
        CapturedCase{"folder-bound-elsewhere.txt", R"([["C","/",2],["D","/Volumes/dune",2]])"},
        CapturedCase{"wsl2-rootfs-init.txt", R"([["C","/",2],["D","/mnt/wsl",5]])"},
        CapturedCase{"wsl2-wslg.txt",
                     R"([["C","/",2],["D","/mnt/c",2],["E","/mnt/d",2],["F","/mnt/wsl",5],["G","/mnt/wslg",5],["H","/mnt/media",3]])"}));
// clang-format on

TEST(CapturedMountInfo, JsonIsLetterMountPointTypeCode)
{
    const auto drives = ClassifyCapturedMountInfo("20 1 8:4 / / rw - ext4 /dev/sda4 rw\n"
                                                  "47 20 0:38 / /mnt/My\\040Music rw - cifs //nas/music rw\n");
    EXPECT_EQ(ClassifiedDrivesToJson(drives).dump(), R"([["C","/",2],["D","/mnt/My Music",3]])");
}

TEST(CapturedMountInfo, EmptyTextListsNothing)
{
    EXPECT_EQ(ClassifiedDrivesToJson(ClassifyCapturedMountInfo("")).dump(), "[]");
}

}  // namespace
}  // namespace brelvon
