#include "os/linux/DriveClassifier.h"
#include "os/linux/MountInfoParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brelvon {
namespace {

// A made-up machine: a mount table plus whatever sysfs, sizes and bays it has.
class Machine {
public:
    explicit Machine(const std::string& mountInfoText)
    {
        facts_.Mounts = ParseMountInfo(mountInfoText);
        facts_.DeviceFacts.resize(facts_.Mounts.Entries.size());
    }

    // Sysfs facts of the device under the (last) mount at `mountPoint`.
    Machine& Disk(const std::string& mountPoint, BlockDeviceFacts deviceFacts)
    {
        facts_.DeviceFacts[IndexOf(mountPoint)] = std::move(deviceFacts);
        return *this;
    }
    Machine& Total(const std::string& mountPoint, std::uint64_t total)
    {
        facts_.KnownTotals[IndexOf(mountPoint)] = total;
        return *this;
    }
    Machine& Bay(const std::string& name, DriveBay::Kind kind, bool hasMedium)
    {
        facts_.Bays.push_back(DriveBay{name, kind, hasMedium});
        return *this;
    }
    Machine& User(unsigned userId)
    {
        facts_.UserId = userId;
        return *this;
    }

    // One line per drive: "E /dev/sr0 (empty) 4", "C / 2".
    [[nodiscard]] std::vector<std::string> Drives() const
    {
        std::vector<std::string> lines;
        for (const ClassifiedDrive& drive : ClassifyDrives(facts_)) {
            const std::string where = drive.HasFileSystem ? drive.MountPoint : drive.Device + " (empty)";
            lines.push_back(std::string(1, drive.Letter) + " " + where + " " +
                            std::to_string(static_cast<int>(drive.Type)));
        }
        return lines;
    }

private:
    std::size_t IndexOf(const std::string& mountPoint) const
    {
        const auto& entries = facts_.Mounts.Entries;
        for (std::size_t i = entries.size(); i-- > 0;) {
            if (entries[i].MountPoint == mountPoint) {
                return i;
            }
        }
        throw std::invalid_argument("no mount at " + mountPoint);
    }

    MachineFacts facts_;
};

BlockDeviceFacts OnDisk(const std::string& disk)
{
    BlockDeviceFacts facts;
    facts.Disks = {disk};
    facts.Mmc = disk.starts_with("mmcblk");
    facts.Optical = disk.starts_with("sr");
    facts.Zram = disk.starts_with("zram");
    facts.RamDisk = disk.starts_with("ram");
    return facts;
}

BlockDeviceFacts Removable(BlockDeviceFacts facts)
{
    facts.Removable = true;
    return facts;
}

BlockDeviceFacts Usb(BlockDeviceFacts facts)
{
    facts.OnUsb = true;
    return facts;
}

const std::string kRoot = "20 1 8:1 / / rw,relatime - ext4 /dev/sda1 rw\n";

struct MachineCase {
    const char* Name;
    Machine Setup;
    std::vector<std::string> Expected;
};

void PrintTo(const MachineCase& c, std::ostream* os) { *os << c.Name; }

class ClassifiesMadeUpMachines : public ::testing::TestWithParam<MachineCase> {};

TEST_P(ClassifiesMadeUpMachines, ListsExpectedDrives) { EXPECT_EQ(GetParam().Setup.Drives(), GetParam().Expected); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Classifier, ClassifiesMadeUpMachines,
    ::testing::Values(
        MachineCase{"UsbStickIsRemovable",
                    Machine(kRoot + "50 20 8:17 / /run/media/ann/STICK rw - vfat /dev/sdb1 rw\n")
                        .Disk("/", OnDisk("sda"))
                        .Disk("/run/media/ann/STICK", Usb(Removable(OnDisk("sdb")))),
                    {"C / 2", "D /run/media/ann/STICK 1"}},
        MachineCase{"UsbDiskWithoutRemovableFlagIsRemovable",
                    Machine(kRoot + "50 20 8:17 / /media/backup rw - ext4 /dev/sdb1 rw\n")
                        .Disk("/media/backup", Usb(OnDisk("sdb"))),
                    {"C / 2", "D /media/backup 1"}},
        MachineCase{"SdCardIsRemovable",
                    Machine(kRoot + "51 20 179:1 / /media/sd rw - exfat /dev/mmcblk0p1 rw\n")
                        .Disk("/media/sd", OnDisk("mmcblk0")),
                    {"C / 2", "D /media/sd 1"}},
        MachineCase{"EmptyDvdDriveIsNotReadyCdRomAfterFixedDrives",
                    Machine(kRoot + "30 20 8:2 / /home rw - ext4 /dev/sda2 rw\n")
                        .Bay("sr0", DriveBay::Kind::Optical, false),
                    {"C / 2", "D /home 2", "E /dev/sr0 (empty) 4"}},
        MachineCase{"MountedDiscShowsOnceNotAsEmptyDrive",
                    Machine(kRoot + "60 20 11:0 / /run/media/ann/DISC ro - iso9660 /dev/sr0 ro\n")
                        .Disk("/run/media/ann/DISC", OnDisk("sr0"))
                        .Bay("sr0", DriveBay::Kind::Optical, true),
                    {"C / 2", "D /run/media/ann/DISC 4"}},
        MachineCase{"UnmountedDiscLeavesDriveNotReady",
                    Machine(kRoot).Bay("sr0", DriveBay::Kind::Optical, true),
                    {"C / 2", "D /dev/sr0 (empty) 4"}},
        MachineCase{"UdfDiscInUsbDriveIsCdRom",
                    Machine(kRoot + "61 20 11:1 / /media/dvd ro - udf /dev/sr1 ro\n")
                        .Disk("/media/dvd", Usb(Removable(OnDisk("sr1")))),
                    {"C / 2", "D /media/dvd 4"}},
        MachineCase{"LvmOnRemovableDiskIsRemovable",
                    Machine(kRoot + "70 20 253:2 / /mnt/backup rw - ext4 /dev/mapper/usbvg-backup rw\n")
                        .Disk("/mnt/backup", Removable(OnDisk("sdc"))),
                    {"C / 2", "D /mnt/backup 1"}},
        MachineCase{"LoopMountedIsoIsCdRom",
                    Machine(kRoot + "80 20 7:0 / /mnt/iso ro - iso9660 /dev/loop0 ro\n")
                        .Disk("/mnt/iso", OnDisk("sda")),
                    {"C / 2", "D /mnt/iso 4"}},
        MachineCase{"LoopImageOnUsbStickIsRemovable",
                    Machine(kRoot + "81 20 7:1 / /mnt/img rw - ext4 /dev/loop1 rw\n")
                        .Disk("/mnt/img", Usb(Removable(OnDisk("sdb")))),
                    {"C / 2", "D /mnt/img 1"}},
        MachineCase{"ZramAndRamBlockDevicesAreRamDisks",
                    Machine(kRoot + "90 20 252:0 / /var/cache/zram rw - ext4 /dev/zram0 rw\n"
                                    "91 20 1:0 / /mnt/ram rw - ext2 /dev/ram0 rw\n")
                        .Disk("/var/cache/zram", OnDisk("zram0"))
                        .Disk("/mnt/ram", OnDisk("ram0")),
                    {"C / 2", "D /mnt/ram 5", "E /var/cache/zram 5"}},
        MachineCase{"EmptyCardReaderIsNotReadyRemovableByDeviceName",
                    Machine(kRoot + "50 20 8:17 / /run/media/ann/STICK rw - vfat /dev/sdb1 rw\n")
                        .Disk("/run/media/ann/STICK", Usb(Removable(OnDisk("sdb"))))
                        .Bay("sdd", DriveBay::Kind::CardReader, false)
                        .Bay("sda0", DriveBay::Kind::CardReader, false),
                    {"C / 2", "D /dev/sda0 (empty) 1", "E /run/media/ann/STICK 1", "F /dev/sdd (empty) 1"}},
        MachineCase{"LettersFollowCategoryThenOrder",
                    Machine(kRoot +
                            "30 20 8:2 / /home rw - ext4 /dev/sda2 rw\n"
                            "31 20 8:3 / /boot rw - ext4 /dev/sda3 rw\n"
                            "32 30 8:4 / /home/ann rw - ext4 /dev/sda4 rw\n"
                            "33 20 8:5 / /home-old rw - ext4 /dev/sda5 rw\n"
                            "34 20 0:40 / /tmp rw - tmpfs tmpfs rw\n"
                            "40 20 8:33 / /run/media/ann/AAA rw - vfat /dev/sdc1 rw\n"
                            "41 20 8:17 / /run/media/ann/ZZZ rw - vfat /dev/sdb1 rw\n"
                            "50 20 0:60 / /mnt/a rw - nfs4 server:/a rw\n"
                            "51 32 0:61 / /home/ann/remote rw - fuse.sshfs ann@host:/srv rw,user_id=1000\n")
                        .Disk("/run/media/ann/AAA", Usb(Removable(OnDisk("sdc"))))
                        .Disk("/run/media/ann/ZZZ", Usb(Removable(OnDisk("sdb"))))
                        .Bay("sr10", DriveBay::Kind::Optical, false)
                        .Bay("sr2", DriveBay::Kind::Optical, false)
                        .User(1000),
                    {"C / 2", "D /boot 2", "E /home 2", "F /home/ann 2", "G /home-old 2", "H /tmp 5",
                     "I /dev/sr2 (empty) 4", "J /dev/sr10 (empty) 4", "K /run/media/ann/ZZZ 1",
                     "L /run/media/ann/AAA 1", "M /home/ann/remote 3", "N /mnt/a 3"}},
        MachineCase{"KnownEmptyFileSystemTakesNoLetter",
                    Machine(kRoot + "30 20 0:41 / /mnt/ramfs rw - ramfs ramfs rw\n"
                                    "31 20 0:42 / /mnt/scratch rw - tmpfs tmpfs rw\n")
                        .Total("/mnt/ramfs", 0)
                        .Total("/mnt/scratch", 4096),
                    {"C / 2", "D /mnt/scratch 5"}},
        MachineCase{"FuseMountOnlyItsOwnerCanMeasureIsLeftOut",
                    Machine(kRoot +
                            "40 20 0:50 / /home/bob/remote rw - fuse.sshfs bob@h:/ rw,user_id=1001,group_id=1001\n"
                            "41 20 0:51 / /home/bob/shared rw - fuse.sshfs bob@h:/s rw,user_id=1001,allow_other\n"
                            "42 20 0:52 / /home/ann/pool rw - fuse.mergerfs /d1:/d2 rw,user_id=1000,group_id=1000\n")
                        .User(1000),
                    {"C / 2", "D /home/ann/pool 2", "E /home/bob/shared 3"}},
        MachineCase{"RootOfSizeZeroStaysC",
                    Machine("20 1 0:1 / / rw - rootfs rootfs rw\n").Total("/", 0), {"C / 2"}},
        MachineCase{"RootNotListedLeavesCUnused",
                    Machine("30 1 8:2 / /data rw - ext4 /dev/sda2 rw\n"), {"D /data 2"}},
        MachineCase{"RootOverlayOfAContainerIsFixed",
                    Machine("371 344 0:35 / / rw - overlay overlay rw,lowerdir=/l\n"
                            "372 371 0:36 / /mnt/cache rw - overlay overlay rw,lowerdir=/k\n"),
                    {"C / 2"}},
        MachineCase{"BindMountsAndSubvolumesAreOneDriveAtShortestPath",
                    Machine(kRoot + "30 20 8:1 /srv/data /data rw - ext4 /dev/sda1 rw\n"
                                    "31 20 0:45 /@home/ann /home/ann rw - btrfs /dev/sdb2 rw,subvol=/@home/ann\n"
                                    "32 20 0:45 /@home /home rw - btrfs /dev/sdb2 rw,subvol=/@home\n"),
                    {"C / 2", "D /home 2"}},
        MachineCase{"DatasetsOfAZfsPoolAreOneDriveAtItsShortestMountPoint",
                    Machine("20 1 0:40 / / rw - zfs rpool/ROOT/ubuntu rw\n"
                            "21 20 0:41 / /var/log rw - zfs rpool/ROOT/ubuntu/var/log rw\n"
                            "22 20 0:42 / /boot rw - zfs bpool/BOOT/ubuntu rw\n"
                            "23 20 0:43 / /data/photos rw - zfs tank/photos rw\n"
                            "24 20 0:44 / /data rw - zfs tank rw\n"
                            "25 23 0:45 / /data/photos/.zfs/snapshot/mon ro - zfs tank/photos@mon ro\n"
                            "26 20 0:46 / /mnt/t2 rw - zfs tank2/x rw\n"
                            "27 20 0:47 / /var/lib/docker rw - zfs scratch/docker rw\n"),
                    {"C / 2", "D /boot 2", "E /data 2", "F /mnt/t2 2"}},
        MachineCase{"EqualLengthMountPointsChooseAlphabetically",
                    Machine(kRoot + "30 20 8:17 / /mnt/b rw - ext4 /dev/sdb1 rw\n"
                                    "31 20 8:17 / /mnt/a rw - ext4 /dev/sdb1 rw\n"),
                    {"C / 2", "D /mnt/a 2"}},
        MachineCase{"NetworkSharesOfOneServerStayApart",
                    Machine(kRoot + "30 20 0:60 / /mnt/a rw - nfs4 server:/a rw\n"
                                    "31 20 0:60 / /mnt/b rw - nfs4 server:/b rw\n"
                                    "32 20 0:60 / /srv/a-again rw - nfs4 server:/a rw\n"),
                    {"C / 2", "D /mnt/a 3", "E /mnt/b 3"}},
        MachineCase{"LeftOutMountNeverWinsItsFileSystem",
                    Machine(kRoot + "30 20 8:2 / /data/x rw - ext4 /dev/sda2 rw\n"
                                    "31 20 8:2 / /run/x rw - ext4 /dev/sda2 rw\n"),
                    {"C / 2", "D /data/x 2"}},
        MachineCase{"HiddenMountIsLeftOut",
                    Machine(kRoot + "30 20 8:17 / /mnt/usb rw - vfat /dev/sdb1 rw\n"
                                    "31 30 0:50 / /mnt/usb rw - tmpfs tmpfs rw\n"),
                    {"C / 2", "D /mnt/usb 5"}}),
    [](const ::testing::TestParamInfo<MachineCase>& info) { return std::string(info.param.Name); });
// clang-format on

TEST(Classifier, LettersStopAtZ)
{
    std::string table = kRoot;
    for (int i = 0; i < 25; ++i) {
        const std::string n = (i < 10 ? "0" : "") + std::to_string(i);
        table +=
            std::to_string(100 + i) + " 20 0:" + std::to_string(100 + i) + " / /mnt/t" + n + " rw - tmpfs tmpfs rw\n";
    }
    const std::vector<std::string> drives = Machine(table).Drives();
    ASSERT_EQ(drives.size(), 24u);  // C, then D to Z
    EXPECT_EQ(drives.front(), "C / 2");
    EXPECT_EQ(drives.back(), "Z /mnt/t22 5");
}

// Each row adds one mount to a machine whose only drive is /; none shows.
class NeverListed : public ::testing::TestWithParam<const char*> {};

TEST_P(NeverListed, OnlyRootShows)
{
    EXPECT_EQ(Machine(kRoot + GetParam() + "\n").Drives(), std::vector<std::string>{"C / 2"}) << GetParam();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Classifier, NeverListed,
    ::testing::Values("30 20 0:3 / /mnt/proc rw - proc proc rw", "30 20 7:3 / /snap/core/17 ro - squashfs /dev/loop3 ro",
                      "30 20 0:44 / /var/lib/lxcfs rw - fuse.lxcfs lxcfs rw",
                      "30 20 0:44 / /snap/x rw - fuse.snapfuse snapfuse rw",
                      "30 20 0:44 / /home/ann/.gvfs rw - fuse.gvfs-fuse-daemon gvfs rw",
                      "30 20 0:44 / /mnt/portal rw - fuse.portal portal rw",
                      "30 20 0:44 / /sys/firmware/efi/efivars rw - efivarfs efivarfs rw",
                      "30 20 0:44 / /mnt/auto rw - autofs systemd-1 rw",
                      "30 20 0:45 / /run/user/1000 rw - tmpfs tmpfs rw", "30 20 0:45 / /run rw - tmpfs tmpfs rw",
                      "30 20 0:45 / /dev/shm rw - tmpfs tmpfs rw", "30 20 0:45 / /proc/acpi rw - tmpfs tmpfs rw",
                      "30 20 0:45 / /sys/fs/cgroup rw - tmpfs tmpfs rw",
                      "30 20 8:2 /hostname /etc/hostname rw - ext4 /dev/sda2 rw",
                      "30 20 8:2 / /var/lib/docker rw - ext4 /dev/sda2 rw",
                      "30 20 0:46 / /var/lib/docker/containers/ab/shm rw - tmpfs shm rw",
                      "30 20 0:46 / /var/lib/containers/storage/overlay rw - tmpfs tmpfs rw",
                      "30 20 0:46 / /var/lib/containerd/io rw - tmpfs tmpfs rw",
                      "30 20 0:46 / /var/lib/kubelet/pods/x/volumes rw - tmpfs tmpfs rw",
                      "30 20 0:47 / /mnt/merged rw - overlay overlay rw,lowerdir=/a",
                      "30 20 0:48 / /home/ann/.local/share/containers/storage/overlay/x/merged rw - "
                      "fuse.fuse-overlayfs fuse-overlayfs rw"));
// clang-format on

// Paths that only look like left-out trees.
class ListedDespiteLookingLikeASystemTree : public ::testing::TestWithParam<const char*> {};

TEST_P(ListedDespiteLookingLikeASystemTree, Shows)
{
    const std::vector<std::string> drives =
        Machine(kRoot + "30 20 8:2 / " + GetParam() + " rw - ext4 /dev/sda2 rw\n").Drives();
    EXPECT_EQ(drives, (std::vector<std::string>{"C / 2", "D " + std::string(GetParam()) + " 2"}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Classifier, ListedDespiteLookingLikeASystemTree,
                         ::testing::Values("/run/media/ann/DATA", "/run/media", "/runner", "/procedures", "/devel",
                                           "/etcetera", "/var/lib/docker-backup", "/var/lib/containers2"));
// clang-format on

struct TypeCase {
    const char* Line;  // mounted at /mnt/x
    DriveType Type;
    bool AskInChild;
};

void PrintTo(const TypeCase& c, std::ostream* os) { *os << ::testing::PrintToString(std::string(c.Line)); }

class TypesMounts : public ::testing::TestWithParam<TypeCase> {};

TEST(Classifier, LocalMountInsideANetworkShareIsAskedInAChild)
{
    MachineFacts facts;
    facts.Mounts = ParseMountInfo(kRoot + "30 20 0:60 / /mnt/share rw - nfs4 server:/export rw\n"
                                          "31 30 0:61 / /mnt/share/scratch rw - tmpfs tmpfs rw\n"
                                          "32 20 0:62 / /mnt/scratch rw - tmpfs tmpfs rw\n");
    const std::vector<ClassifiedDrive> drives = ClassifyDrives(facts);
    ASSERT_EQ(drives.size(), 4u);
    EXPECT_FALSE(drives[0].AskInChild);  // /
    EXPECT_EQ(drives[1].MountPoint, "/mnt/scratch");
    EXPECT_FALSE(drives[1].AskInChild);
    EXPECT_EQ(drives[2].MountPoint, "/mnt/share/scratch");
    EXPECT_EQ(drives[2].Type, DriveType::RamDisk);
    EXPECT_TRUE(drives[2].AskInChild);
    EXPECT_TRUE(drives[3].AskInChild);  // the share itself
}

TEST_P(TypesMounts, ByTypeAndSource)
{
    MachineFacts facts;
    facts.Mounts = ParseMountInfo(kRoot + "30 20 " + GetParam().Line + "\n");
    const std::vector<ClassifiedDrive> drives = ClassifyDrives(facts);
    ASSERT_EQ(drives.size(), 2u) << GetParam().Line;
    EXPECT_EQ(drives[1].Type, GetParam().Type) << GetParam().Line;
    EXPECT_EQ(drives[1].AskInChild, GetParam().AskInChild) << GetParam().Line;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Classifier, TypesMounts,
    ::testing::Values(TypeCase{"0:60 / /mnt/x rw - nfs server:/export rw", DriveType::Network, true},
                      TypeCase{"0:60 / /mnt/x rw - cifs //nas/music rw", DriveType::Network, true},
                      TypeCase{"0:60 / /mnt/x rw - smb3 //nas/music rw", DriveType::Network, true},
                      TypeCase{"0:60 / /mnt/x rw - ceph 10.0.0.1:6789:/ rw", DriveType::Network, true},
                      TypeCase{"0:60 / /mnt/x rw - 9p hostshare rw,trans=virtio", DriveType::Network, true},
                      TypeCase{"0:60 / /mnt/x rw - drvfs C:\\134 rw,case=off", DriveType::Fixed, true},
                      TypeCase{"0:60 / /mnt/x rw - drvfs \\134\\134nas\\134music rw", DriveType::Network, true},
                      TypeCase{"0:60 / /mnt/x rw - virtiofs myfs rw", DriveType::Network, true},
                      TypeCase{"0:60 / /mnt/x rw - fuse.rclone gdrive: rw", DriveType::Network, true},
                      TypeCase{"0:60 / /mnt/x rw - davfs http://dav.example/ rw", DriveType::Network, true},
                      TypeCase{"0:60 / /mnt/x rw - glusterfs gl1:/vol rw", DriveType::Network, true},
                      TypeCase{"0:60 / /mnt/x rw - somenewfs server:/export rw", DriveType::Network, true},
                      TypeCase{"0:61 / /mnt/x rw - tmpfs tmpfs rw", DriveType::RamDisk, false},
                      TypeCase{"0:61 / /mnt/x rw - ramfs ramfs rw", DriveType::RamDisk, false},
                      TypeCase{"7:0 / /mnt/x ro - iso9660 /dev/loop0 ro", DriveType::CdRom, false},
                      TypeCase{"7:0 / /mnt/x ro - udf /dev/loop0 ro", DriveType::CdRom, false},
                      TypeCase{"8:2 / /mnt/x rw - ext4 /dev/sda2 rw", DriveType::Fixed, false},
                      TypeCase{"0:62 / /mnt/x rw - zfs tank/data rw", DriveType::Fixed, false},
                      TypeCase{"0:62 / /mnt/x rw - fuse.mergerfs /d1:/d2 rw", DriveType::Fixed, true},
                      TypeCase{"0:62 / /mnt/x rw - fuseblk /dev/sdb1 rw", DriveType::Fixed, true}));
// clang-format on

struct SourceCase {
    const char* Source;
    bool Network;
};

void PrintTo(const SourceCase& c, std::ostream* os) { *os << ::testing::PrintToString(std::string(c.Source)); }

class RecognisesNetworkSources : public ::testing::TestWithParam<SourceCase> {};

TEST_P(RecognisesNetworkSources, HostPathOrShare)
{
    EXPECT_EQ(IsNetworkSource(GetParam().Source), GetParam().Network) << GetParam().Source;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Classifier, RecognisesNetworkSources,
    ::testing::Values(SourceCase{"server:/export", true}, SourceCase{"10.0.0.2:/srv", true},
                      SourceCase{"[fe80::1]:/export", true}, SourceCase{"ann@host:/home/ann", true},
                      SourceCase{"gl1:vol", true}, SourceCase{"//nas/share", true}, SourceCase{"//nas/share/sub", true},
                      SourceCase{"/dev/sda1", false}, SourceCase{"tmpfs", false}, SourceCase{"", false},
                      SourceCase{"rpool/data:x", false}, SourceCase{"/mnt/a:/mnt/b", false}, SourceCase{":/x", false},
                      SourceCase{"host:", false}, SourceCase{"//nas", false}, SourceCase{"//nas/", false},
                      SourceCase{"///x", false}, SourceCase{"[fe80::1]/x", false}, SourceCase{"systemd-1", false}));
// clang-format on

}  // namespace
}  // namespace brelvon
