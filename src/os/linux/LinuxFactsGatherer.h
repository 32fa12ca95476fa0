#pragma once

#include "os/linux/LinuxSystemPaths.h"
#include "os/linux/MachineFacts.h"

#include <optional>

namespace brelvon {

// Gathers the facts of this machine for the classifier: the mount table, sysfs
// facts of the block device of each mount that may be listed (not hidden, not
// never listed), the drive bays and the user id. It reads only /proc, /sys and
// /dev, never a mounted file system, so it cannot block on a dead mount. Sizes
// are not measured here.
class LinuxFactsGatherer {
public:
    explicit LinuxFactsGatherer(LinuxSystemPaths paths = {});

    // Throws PlatformError when the mount table cannot be read.
    [[nodiscard]] MachineFacts Gather() const;

    // The block device under a mount: its own device number, or for file
    // systems that report an anonymous one (btrfs, fuseblk) the device node
    // named as its source.
    [[nodiscard]] std::optional<DeviceNumber> BlockDeviceOf(const MountEntry& entry) const;

private:
    LinuxSystemPaths paths_;
};

}  // namespace brelvon
