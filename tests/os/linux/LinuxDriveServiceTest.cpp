#include "os/linux/LinuxDriveService.h"
#include "model/PlatformError.h"
#include "os/linux/HungStatvfs.h"
#include "os/linux/LinuxDriveServiceFactory.h"

#include "os/linux/TempTree.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <sstream>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace brelvon {
namespace {

using namespace std::chrono_literals;
using testing::NeverAnswers;
using testing::TempTree;

struct DfLine {
    std::uint64_t Size = 0;
    std::uint64_t Available = 0;
    std::uint64_t Used = 0;
};

std::optional<DfLine> DfOfRoot()
{
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen("df -B1 --output=size,avail,used / 2>/dev/null", "r"),
                                                     &::pclose);
    if (!pipe) {
        return std::nullopt;
    }
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe.get()) != nullptr) {
        output += buffer;
    }
    std::istringstream lines(output);
    std::string header;
    DfLine line;
    if (!std::getline(lines, header) || !(lines >> line.Size >> line.Available >> line.Used)) {
        return std::nullopt;
    }
    return line;
}

std::uint64_t Distance(std::uint64_t a, std::uint64_t b) { return a > b ? a - b : b - a; }

// The real service on this machine: its C drive is the root file system, and
// its sizes are what df says.
TEST(LinuxDriveServiceOnThisMachine, RootAgreesWithDf)
{
    const auto service = MakeLinuxDriveServiceFactory()();
    const auto drives = service->Drives();
    ASSERT_FALSE(drives.empty());
    for (std::size_t i = 1; i < drives.size(); ++i) {
        EXPECT_LT(drives[i - 1]->Letter(), drives[i]->Letter());
    }
    Drive& root = *drives.front();
    ASSERT_EQ(root.Letter(), 'C');
    ASSERT_TRUE(root.IsReady());
    const DriveDetails details = root.Details();
    EXPECT_EQ(details.MountPoint, "/");

    const auto df = DfOfRoot();
    ASSERT_TRUE(df.has_value()) << "df did not answer";
    // Other programs write to the disk between the two looks; the total cannot move.
    constexpr std::uint64_t kDrift = 256ull << 20;
    EXPECT_EQ(root.TotalSize(), df->Size);
    EXPECT_LE(Distance(root.TotalSize() - root.FreeSpace(), df->Used), kDrift);
    ASSERT_TRUE(details.AvailableBytes.has_value());
    EXPECT_LE(Distance(*details.AvailableBytes, df->Available), kDrift);
    EXPECT_GE(root.FreeSpace(), *details.AvailableBytes);
    EXPECT_FALSE(root.VolumeName().empty());
}

// Where the service reads a made-up machine's facts.
LinuxSystemPaths PathsOf(const TempTree& machine)
{
    LinuxSystemPaths paths;
    paths.MountInfo = machine.Root() / "mountinfo";
    paths.SysRoot = machine.Root() / "sys";
    paths.DevRoot = machine.Root() / "dev";
    paths.UdevDataDirectory = machine.Root() / "udev";
    return paths;
}

// The service wired to a made-up machine: the mount table and /sys are fakes,
// the mount points real directories of this machine (for statvfs).
TEST(LinuxDriveService, ListsFakeMachineInLetterOrder)
{
    const TempTree machine;
    machine.Write("mountinfo", "20 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                               "30 20 8:2 / /no/such/dir rw - ext4 /dev/sda2 rw\n"
                               "40 20 0:60 / /tmp rw - nfs4 server:/export rw\n"
                               "this line is broken\n");
    const std::string optical = "devices/pci0000:00/ata2/block/sr0";
    machine.Write("sys/" + optical + "/size", "0\n");
    machine.Write("sys/" + optical + "/removable", "1\n");
    machine.Link("sys/block/sr0", machine.Root() / "sys" / optical);

    const LinuxSystemPaths paths = PathsOf(machine);
    const auto probe = std::make_shared<const ChildStatvfsProbe>(std::make_shared<StuckProbeRecord>(),
                                                                 ChildStatvfsProbe::kDefaultTimeout, &NeverAnswers);
    LinuxDriveService service(paths, probe);
    const auto drives = service.Drives();

    ASSERT_EQ(drives.size(), 4u);
    EXPECT_EQ(drives[0]->Letter(), 'C');
    EXPECT_EQ(drives[0]->Type(), DriveType::Fixed);
    EXPECT_TRUE(drives[0]->IsReady());
    EXPECT_GT(drives[0]->TotalSize(), 0u);

    EXPECT_EQ(drives[1]->Letter(), 'D');  // a mount whose statvfs fails stays, not ready
    EXPECT_FALSE(drives[1]->IsReady());
    EXPECT_EQ(drives[1]->WhyNotReady(),
              (NotReadyReason{NotReadyReason::Kind::SystemError, "No such file or directory"}));

    EXPECT_EQ(drives[2]->Letter(), 'E');
    EXPECT_EQ(drives[2]->Type(), DriveType::CdRom);
    EXPECT_FALSE(drives[2]->IsReady());
    EXPECT_EQ(drives[2]->WhyNotReady(), (NotReadyReason{NotReadyReason::Kind::NoMedium, {}}));

    EXPECT_EQ(drives[3]->Letter(), 'F');
    EXPECT_EQ(drives[3]->Type(), DriveType::Network);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(drives[3]->IsReady());
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);  // given up, not hung, even on a loaded machine
    EXPECT_EQ(drives[3]->WhyNotReady(), (NotReadyReason{NotReadyReason::Kind::NoAnswer, {}}));
}

int AnswersFourMegabytes(const char*, struct statvfs* stats)
{
    *stats = {};
    stats->f_blocks = 1000;
    stats->f_bfree = stats->f_bavail = 500;
    stats->f_frsize = 4096;
    return 0;
}

// A mount is typed by the disk beneath it, read from sysfs for the mounts that
// are listed: the stick is removable wherever it is shown, and a mount of it
// that is never listed (a container tree) takes nothing from it.
TEST(LinuxDriveService, TypesAListedMountByItsDisk)
{
    const TempTree machine;
    machine.Write("mountinfo", "20 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                               "30 20 8:17 / /media/stick rw - vfat /dev/sdb1 rw\n"
                               "31 20 8:17 / /var/lib/docker/stick rw - vfat /dev/sdb1 rw\n");
    const std::string stick = "sys/devices/pci0000:00/usb2/2-1/host6/block/sdb";
    machine.Write(stick + "/removable", "1\n");
    machine.Write(stick + "/size", "1000\n");
    machine.Write(stick + "/sdb1/partition", "1\n");
    machine.Link("sys/dev/block/8:17", machine.Root() / stick / "sdb1");
    machine.Link("sys/block/sdb", machine.Root() / stick);

    const LinuxSystemPaths paths = PathsOf(machine);
    LinuxDriveService service(paths, std::make_shared<const ChildStatvfsProbe>(std::make_shared<StuckProbeRecord>()),
                              &AnswersFourMegabytes);
    const auto drives = service.Drives();

    ASSERT_EQ(drives.size(), 2u);
    EXPECT_EQ(drives[0]->Type(), DriveType::Fixed);
    EXPECT_EQ(drives[1]->Letter(), 'D');
    EXPECT_EQ(drives[1]->Type(), DriveType::Removable);
    EXPECT_EQ(drives[1]->Details().MountPoint, "/media/stick");
}

// A mount of a single file is left out, told from its mount point: directly
// for a local file system; for a network one by the entry in its folder, or in
// the probe's child when that folder lies on a network file system too.
TEST(LinuxDriveService, LeavesOutMountsOfASingleFile)
{
    const TempTree machine;
    const std::string root = machine.Root().string();
    machine.Write("hosts", "127.0.0.1 localhost\n");
    machine.Write("memo", "local folder\n");
    machine.Write("share/notes", "network folder\n");
    machine.Directory("data");
    std::string table = "20 1 8:1 / / rw - ext4 /dev/sda1 rw\n";
    table += "30 20 8:2 /etc/hosts " + root + "/hosts rw - ext4 /dev/sda2 rw\n";
    table += "31 20 0:60 /memo " + root + "/memo rw - nfs4 server:/memo rw\n";
    table += "32 20 8:3 / " + root + "/data rw - ext4 /dev/sda3 rw\n";
    table += "33 20 0:61 / " + root + "/share rw - nfs4 server:/share rw\n";
    table += "34 33 0:62 /notes " + root + "/share/notes rw - nfs4 server:/notes rw\n";
    machine.Write("mountinfo", table);

    LinuxDriveService service(PathsOf(machine),
                              std::make_shared<const ChildStatvfsProbe>(std::make_shared<StuckProbeRecord>()),
                              &AnswersFourMegabytes);
    std::vector<std::string> shown;
    for (const auto& drive : service.Drives()) {
        shown.push_back(std::string(1, drive->Letter()) + " " + drive->Details().MountPoint);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"C /", "D " + root + "/data", "E " + root + "/share"}));
}

TEST(LinuxDriveService, MissingMountTableIsAPlatformError)
{
    LinuxSystemPaths paths;
    paths.MountInfo = "/no/such/mountinfo";
    LinuxDriveService service(paths, std::make_shared<const ChildStatvfsProbe>(std::make_shared<StuckProbeRecord>()));
    EXPECT_THROW((void)service.Drives(), PlatformError);
}

}  // namespace
}  // namespace brelvon
