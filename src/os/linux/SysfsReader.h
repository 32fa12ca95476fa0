#pragma once

#include "os/linux/BlockDeviceFacts.h"
#include "os/linux/DeviceNumber.h"
#include "os/linux/DriveBay.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brelvon {

// Reads block-device facts from sysfs. It only reads sysfs, never a mounted
// file system, so it cannot block on a dead mount.
class SysfsReader {
public:
    // Finds the device of the file system holding a loop device's backing file
    // (a path in this mount namespace), or nullopt when it has none.
    using BackingFileResolver = std::function<std::optional<DeviceNumber>(const std::string& path)>;

    explicit SysfsReader(std::string sysRoot = "/sys");

    // The facts of a block device, followed through /sys/dev/block/MAJ:MIN down
    // to its whole disks: a partition's parent disk, the slaves of a dm, LVM or
    // md device, the disk holding a loop device's backing file. Nullopt when
    // sysfs does not know the device (anonymous devices, a container without /sys).
    [[nodiscard]] std::optional<BlockDeviceFacts> FactsFor(DeviceNumber device,
                                                           const BackingFileResolver& backingFiles) const;

    // Optical drives (sr*), with or without a disc, and card readers without a
    // card (removable disks of size 0).
    [[nodiscard]] std::vector<DriveBay> DriveBays() const;

private:
    struct Disk {
        std::string Name;
        bool Removable = false;
        bool OnUsb = false;
    };

    void CollectDisks(const std::string& deviceDirectory, const BackingFileResolver& backingFiles, int depth,
                      std::vector<Disk>& disks) const;
    [[nodiscard]] bool PathRunsThroughUsb(std::string_view resolved) const;

    std::string sysRoot_;
    // What paths under sysRoot_ resolve to begin with; nullopt when it does not resolve.
    std::optional<std::string> canonicalSysRoot_;
};

}  // namespace brelvon
