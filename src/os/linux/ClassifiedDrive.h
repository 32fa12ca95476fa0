#pragma once

#include "drives/DriveType.h"
#include "os/linux/DeviceNumber.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace brelvon {

// A mount whose statvfs answer makes up a drive's sizes, or part of them.
struct SizedMount {
    std::size_t MountIndex = 0;
    std::string MountPoint;
    std::string Source;
    DeviceNumber MountDevice;
    // As ClassifiedDrive::AskInChild and FolderMayBlock, for this mount.
    bool AskInChild = false;
    bool FolderMayBlock = true;
    // A mounted ZFS snapshot: what it uses is mostly its dataset's data too,
    // so only its free space counts.
    bool Snapshot = false;
};

// One drive as the classifier lists it: a mounted file system, or a drive bay
// with nothing of it mounted.
struct ClassifiedDrive {
    char Letter = 'C';
    DriveType Type = DriveType::Fixed;
    std::string MountPoint;  // empty for a bay
    std::string Device;      // the mount's source, the pool's name for a ZFS pool, or /dev/<name> for a bay
    std::string FileSystem;  // empty for a bay
    std::optional<std::size_t> MountIndex;    // the entry shown; none for a bay
    DeviceNumber MountDevice;                 // major:minor the mount table gives
    std::optional<DeviceNumber> BlockDevice;  // for label lookups, when known
    // False for a bay: the drive is listed but never ready.
    bool HasFileSystem = true;
    // Sizes must be asked in a child process that may be abandoned, because the
    // file system (network, FUSE, or a mount reached through one) can block
    // statvfs forever. Such a mount point is never opened either.
    bool AskInChild = false;
    // Reading the folder that holds the mount point may block as well: it lies
    // on (or is reached through) such a file system, or is not known.
    bool FolderMayBlock = true;
    // For a ZFS pool: one mount of each of its mounted datasets, the shown one
    // among them. The pool's free space is the largest free space they report,
    // its total that plus what each of them uses. Empty for any other drive,
    // whose sizes are those of its shown mount.
    std::vector<SizedMount> Datasets;
};

// The mounts to ask for a drive's sizes: its datasets, else its shown mount
// (taken as mount 0 in a drive made up without an index); none for a bay.
[[nodiscard]] inline std::vector<SizedMount> SizedMountsOf(const ClassifiedDrive& drive)
{
    if (!drive.Datasets.empty() || !drive.HasFileSystem) {
        return drive.Datasets;
    }
    return {SizedMount{drive.MountIndex.value_or(0), drive.MountPoint, drive.Device, drive.MountDevice,
                       drive.AskInChild, drive.FolderMayBlock, false}};
}

}  // namespace brelvon
