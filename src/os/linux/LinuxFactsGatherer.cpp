#include "os/linux/LinuxFactsGatherer.h"

#include "model/PlatformError.h"
#include "os/linux/DriveClassifier.h"
#include "os/linux/KernelFiles.h"
#include "os/linux/MountInfoParser.h"
#include "os/linux/MountTree.h"
#include "os/linux/SysfsReader.h"

#include <map>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace brelvon {

namespace {

bool PathIsAtOrUnder(const std::string& path, const std::string& mountPoint)
{
    if (mountPoint == "/") {
        return path.starts_with('/');
    }
    return path.starts_with(mountPoint) && (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

}  // namespace

LinuxFactsGatherer::LinuxFactsGatherer(LinuxSystemPaths paths) : paths_(std::move(paths)) {}

std::optional<DeviceNumber> LinuxFactsGatherer::BlockDeviceOf(const MountEntry& entry) const
{
    if (entry.Device.Major != 0) {
        return entry.Device;
    }
    constexpr std::string_view devPrefix = "/dev/";
    if (!entry.Source.starts_with(devPrefix)) {
        return std::nullopt;
    }
    const std::string node = paths_.DevRoot + '/' + entry.Source.substr(devPrefix.size());
    struct stat status {};
    if (::stat(node.c_str(), &status) != 0 || !S_ISBLK(status.st_mode)) {
        return std::nullopt;
    }
    return DeviceNumber{major(status.st_rdev), minor(status.st_rdev)};
}

MachineFacts LinuxFactsGatherer::Gather() const
{
    const std::optional<std::string> text = ReadWholeFile(AT_FDCWD, paths_.MountInfo.c_str());
    if (!text) {
        throw PlatformError("cannot read the mount table " + paths_.MountInfo);
    }

    MachineFacts facts;
    facts.Mounts = ParseMountInfo(*text);
    facts.UserId = static_cast<unsigned>(::geteuid());
    const std::vector<MountEntry>& entries = facts.Mounts.Entries;
    const MountTree tree(entries);

    // A loop device's backing file lies on the reachable mount with the longest
    // mount point above it.
    const auto holderOf = [&](const std::string& path) -> std::optional<DeviceNumber> {
        std::optional<std::size_t> best;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (!tree.IsHidden(i) && PathIsAtOrUnder(path, entries[i].MountPoint) &&
                (!best || entries[i].MountPoint.size() > entries[*best].MountPoint.size())) {
                best = i;
            }
        }
        return best ? BlockDeviceOf(entries[*best]) : std::nullopt;
    };

    // Only mounts that may be listed need facts (a snap or container machine
    // has dozens that never are), and bind mounts and subvolumes of one device
    // share them.
    const SysfsReader sysfs(paths_.SysRoot);
    std::map<DeviceNumber, std::optional<BlockDeviceFacts>> byDevice;
    facts.DeviceFacts.resize(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (tree.IsHidden(i) || NeverListed(entries[i], facts.UserId)) {
            continue;
        }
        if (const auto device = BlockDeviceOf(entries[i])) {
            const auto [known, isNew] = byDevice.try_emplace(*device);
            if (isNew) {
                known->second = sysfs.FactsFor(*device, holderOf);
            }
            facts.DeviceFacts[i] = known->second;
        }
    }
    facts.Bays = sysfs.DriveBays();
    return facts;
}

}  // namespace brelvon
