#include "os/linux/MountTree.h"
#include "os/linux/MountInfoParser.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace brelvon {
namespace {

struct HiddenCase {
    const char* Name;
    std::string MountInfoText;
    std::set<unsigned> HiddenIds;
};

void PrintTo(const HiddenCase& c, std::ostream* os) { *os << c.Name; }

class FindsHiddenMounts : public ::testing::TestWithParam<HiddenCase> {};

TEST_P(FindsHiddenMounts, ExactlyTheUnreachableOnes)
{
    const MountInfo info = ParseMountInfo(GetParam().MountInfoText);
    ASSERT_EQ(info.SkippedLines, 0u);
    const MountTree tree(info.Entries);
    std::set<unsigned> hidden;
    for (std::size_t i = 0; i < info.Entries.size(); ++i) {
        if (tree.IsHidden(i)) {
            hidden.insert(info.Entries[i].Id);
        }
    }
    EXPECT_EQ(hidden, GetParam().HiddenIds);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    MountTree, FindsHiddenMounts,
    ::testing::Values(
        // systemd's automount point, then the real file system mounted on it.
        HiddenCase{"AutomountCoveredByItsFileSystem",
                   "20 1 8:4 / / rw - ext4 /dev/sda4 rw\n"
                   "17 20 0:5 / /dev rw - devtmpfs udev rw\n"
                   "33 17 0:29 / /dev/hugepages rw - autofs systemd-1 rw\n"
                   "38 33 0:33 / /dev/hugepages rw - hugetlbfs hugetlbfs rw\n",
                   {33}},
        // /mnt/x was mounted inside /mnt before /mnt was mounted over.
        HiddenCase{"MountsInsideACoveredDirectory",
                   "20 1 8:4 / / rw - ext4 /dev/sda4 rw\n"
                   "30 20 0:40 / /mnt rw - tmpfs tmpfs rw\n"
                   "31 30 8:17 / /mnt/x rw - vfat /dev/sdb1 rw\n"
                   "32 30 0:41 / /mnt rw - tmpfs tmpfs rw\n"
                   "33 32 8:33 / /mnt/y rw - ext4 /dev/sdc1 rw\n",
                   {30, 31}},
        // Propagation can put two mounts at one place side by side: the later wins.
        HiddenCase{"SiblingsAtTheSameMountPoint",
                   "20 1 8:4 / / rw - ext4 /dev/sda4 rw\n"
                   "40 20 0:50 / /media/stick rw - tmpfs tmpfs rw\n"
                   "41 20 8:17 / /media/stick rw - vfat /dev/sdb1 rw\n",
                   {40}},
        // Container tables name parents outside the namespace.
        HiddenCase{"MissingParentsEndThePath",
                   "371 344 0:35 / / rw - overlay overlay rw\n"
                   "243 209 0:52 / /var/lib/docker/x/merged rw - overlay overlay rw\n",
                   {}},
        // A corrupt table whose parents loop must not hang the tree.
        HiddenCase{"ParentLoop",
                   "5 6 8:1 / /a rw - ext4 /dev/sda1 rw\n"
                   "6 5 8:2 / /a/b rw - ext4 /dev/sda2 rw\n"
                   "7 6 8:3 / /a rw - ext4 /dev/sda3 rw\n",
                   {5, 6}}),
    [](const ::testing::TestParamInfo<HiddenCase>& info) { return std::string(info.param.Name); });
// clang-format on

}  // namespace
}  // namespace brelvon
