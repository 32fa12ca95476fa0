#include "os/linux/SysfsReader.h"

#include "os/linux/TempTree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brelvon {
namespace {

using testing::TempTree;

// A small machine's /sys: an internal SATA disk, a USB stick, an empty USB card
// reader, two optical drives, an eMMC, LVM on the stick, an md array over the
// internal disk and the stick, two loop devices and zram.
class FakeSysfs {
public:
    FakeSysfs()
    {
        const std::string sata = "devices/pci0000:00/0000:00:1f.2/ata1/host0/target0:0:0/0:0:0:0/block/";
        const std::string usb = "devices/pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/";
        const std::string reader = "devices/pci0000:00/0000:00:14.0/usb2/2-2/2-2:1.0/host7/target7:0:0/7:0:0:0/block/";
        const std::string virt = "devices/virtual/block/";

        Disk(sata + "sda", "8:0", false, 1000);
        Partition(sata + "sda/sda1", "8:1");
        Partition(sata + "sda/sda2", "8:2");
        Disk(usb + "sdb", "8:16", true, 1000);
        Partition(usb + "sdb/sdb1", "8:17");
        Disk(reader + "sdc", "8:32", true, 0);
        Disk(sata + "sr0", "11:0", true, 0);
        Disk(sata + "sr1", "11:1", true, 2097152);
        Disk("devices/platform/mmc0/mmc0:0001/block/mmcblk0", "179:0", false, 100);
        Partition("devices/platform/mmc0/mmc0:0001/block/mmcblk0/mmcblk0p1", "179:1");
        Disk(virt + "dm-0", "253:0", false, 500);
        tree.Link(virt + "dm-0/slaves/sdb1", tree.Root() / usb / "sdb/sdb1");
        Disk(virt + "md0", "9:0", false, 900);
        tree.Link(virt + "md0/slaves/sda2", tree.Root() / sata / "sda/sda2");
        tree.Link(virt + "md0/slaves/sdb1", tree.Root() / usb / "sdb/sdb1");
        Disk(virt + "loop0", "7:0", false, 100);
        tree.Write(virt + "loop0/loop/backing_file", "/media/stick/disk.img\n");
        Disk(virt + "loop1", "7:1", false, 100);
        tree.Write(virt + "loop1/loop/backing_file", "/old/gone.img (deleted)\n");
        Disk(virt + "loop2", "7:2", false, 0);  // unused
        Disk(virt + "zram0", "252:0", false, 100);
    }

    TempTree tree;

private:
    void Disk(const std::string& path, const std::string& number, bool removable, int size)
    {
        tree.Write(path + "/removable", removable ? "1\n" : "0\n");
        tree.Write(path + "/size", std::to_string(size) + "\n");
        tree.Link("dev/block/" + number, tree.Root() / path);
        tree.Link("block/" + std::filesystem::path(path).filename().string(), tree.Root() / path);
    }
    void Partition(const std::string& path, const std::string& number)
    {
        tree.Write(path + "/partition", "1\n");
        tree.Write(path + "/size", "100\n");
        tree.Link("dev/block/" + number, tree.Root() / path);
    }
};

struct FactsCase {
    const char* Name;
    DeviceNumber Device;
    std::vector<std::string> Disks;
    bool Removable;
    bool OnUsb;
    bool Mmc;
    bool Optical;
    bool Zram;
};

void PrintTo(const FactsCase& c, std::ostream* os) { *os << c.Name; }

class ReadsBlockDeviceFacts : public ::testing::TestWithParam<FactsCase> {};

TEST_P(ReadsBlockDeviceFacts, DownToTheWholeDisks)
{
    const FakeSysfs sysfs;
    std::vector<std::string> askedBackingFiles;
    const auto holder = [&](const std::string& path) -> std::optional<DeviceNumber> {
        askedBackingFiles.push_back(path);
        if (path == "/media/stick/disk.img") {
            return DeviceNumber{8, 17};
        }
        return std::nullopt;
    };
    const auto facts = SysfsReader(sysfs.tree.Root()).FactsFor(GetParam().Device, holder);
    ASSERT_TRUE(facts.has_value());
    EXPECT_EQ(facts->Device, GetParam().Device);
    EXPECT_EQ(facts->Disks, GetParam().Disks);
    EXPECT_EQ(facts->Removable, GetParam().Removable);
    EXPECT_EQ(facts->OnUsb, GetParam().OnUsb);
    EXPECT_EQ(facts->Mmc, GetParam().Mmc);
    EXPECT_EQ(facts->Optical, GetParam().Optical);
    EXPECT_EQ(facts->Zram, GetParam().Zram);
    EXPECT_FALSE(facts->RamDisk);
    for (const std::string& path : askedBackingFiles) {
        EXPECT_EQ(path.find("(deleted)"), std::string::npos) << path;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Sysfs, ReadsBlockDeviceFacts,
    ::testing::Values(FactsCase{"PartitionOfInternalDisk", {8, 1}, {"sda"}, false, false, false, false, false},
                      FactsCase{"PartitionOfUsbStick", {8, 17}, {"sdb"}, true, true, false, false, false},
                      FactsCase{"WholeDiskDisc", {11, 1}, {"sr1"}, true, false, false, true, false},
                      FactsCase{"EmmcPartition", {179, 1}, {"mmcblk0"}, false, false, true, false, false},
                      FactsCase{"LvmOnTheStick", {253, 0}, {"sdb"}, true, true, false, false, false},
                      FactsCase{"ArrayOverInternalAndUsbIsNeither", {9, 0}, {"sda", "sdb"}, false, false, false, false,
                                false},
                      FactsCase{"LoopImageOnTheStick", {7, 0}, {"sdb"}, true, true, false, false, false},
                      FactsCase{"LoopWithDeletedBackingFileIsItsOwnDisk", {7, 1}, {"loop1"}, false, false, false, false,
                                false},
                      FactsCase{"Zram", {252, 0}, {"zram0"}, false, false, false, false, true}),
    [](const ::testing::TestParamInfo<FactsCase>& info) { return std::string(info.param.Name); });
// clang-format on

TEST(Sysfs, UnknownDeviceHasNoFacts)
{
    const FakeSysfs sysfs;
    EXPECT_FALSE(SysfsReader(sysfs.tree.Root()).FactsFor({0, 42}, nullptr).has_value());
}

TEST(Sysfs, LoopBackedByItselfStops)
{
    const FakeSysfs sysfs;
    const auto facts = SysfsReader(sysfs.tree.Root()).FactsFor({7, 0}, [](const std::string&) {
        return std::optional<DeviceNumber>(DeviceNumber{7, 0});
    });
    ASSERT_TRUE(facts.has_value());
    EXPECT_FALSE(facts->Disks.empty());
}

TEST(Sysfs, DriveBaysAreOpticalDrivesAndEmptyCardReaders)
{
    const FakeSysfs sysfs;
    const std::vector<DriveBay> bays = SysfsReader(sysfs.tree.Root()).DriveBays();
    ASSERT_EQ(bays.size(), 3u);
    EXPECT_EQ(bays[0].Name, "sdc");
    EXPECT_EQ(bays[0].BayKind, DriveBay::Kind::CardReader);
    EXPECT_FALSE(bays[0].HasMedium);
    EXPECT_EQ(bays[1].Name, "sr0");
    EXPECT_EQ(bays[1].BayKind, DriveBay::Kind::Optical);
    EXPECT_FALSE(bays[1].HasMedium);
    EXPECT_EQ(bays[2].Name, "sr1");
    EXPECT_TRUE(bays[2].HasMedium);
}

}  // namespace
}  // namespace brelvon
