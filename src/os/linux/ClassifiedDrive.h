#pragma once

#include "drives/DriveType.h"
#include "os/linux/DeviceNumber.h"

#include <cstddef>
#include <optional>
#include <string>

namespace brelvon {

// One drive as the classifier lists it: a mounted file system, or a drive bay
// with nothing of it mounted.
struct ClassifiedDrive {
    char Letter = 'C';
    DriveType Type = DriveType::Fixed;
    std::string MountPoint;                   // empty for a bay
    std::string Device;                       // the mount's source, or /dev/<name> for a bay
    std::string FileSystem;                   // empty for a bay
    std::optional<std::size_t> MountIndex;    // the entry shown; none for a bay
    DeviceNumber MountDevice;                 // major:minor the mount table gives
    std::optional<DeviceNumber> BlockDevice;  // for label lookups, when known
    // False for a bay: the drive is listed but never ready.
    bool HasFileSystem = true;
    // Sizes must be asked in a child process that may be abandoned, because the
    // file system (network, FUSE, or a mount reached through one) can block
    // statvfs forever. Such a mount point is never opened either.
    bool AskInChild = false;
};

}  // namespace brelvon
