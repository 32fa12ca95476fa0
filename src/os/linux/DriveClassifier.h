#pragma once

#include "os/linux/ClassifiedDrive.h"
#include "os/linux/MachineFacts.h"

#include <string_view>
#include <vector>

namespace brelvon {

// Turns the gathered facts of a machine into its drives, in ascending letter
// order. Pure: it makes no system call, so any machine can be made up in a test.
//
// A mount is left out when its type is a pseudo file system, when it lies in a
// system tree (/proc, /sys, /dev, /run except /run/media, /etc) or a container
// runtime tree, when it is an overlay anywhere but /, when it is hidden under a
// later mount, when it is a mount of a single file, when it is one of WSL's
// own 9p shares, or when its file system is known to be empty (a measured
// total of 0, or a FUSE mount that only answers its owner). A file system
// whose every mount left is a second mount of a left-out one is left out too.
// None of this removes /, which is C and fixed whatever backs it. The rest are
// typed network, RAM disk, CD-ROM, removable or fixed (first match wins),
// merged to one drive per file system (the datasets of a ZFS pool are one
// drive) shown at /, else at the shortest mount of the file system's own root,
// else at the shortest of its mounts, and lettered: / is C, then fixed drives
// and RAM disks by mount point, CD-ROM drives by device name, removable drives
// by device name, network drives by mount point, from D to Z.
[[nodiscard]] std::vector<ClassifiedDrive> ClassifyDrives(const MachineFacts& facts);

// Whether a mount other than / is left out whatever its device, size and
// place in the mount tree: a pseudo file system (rootfs among them, which away
// from / is a bind of one of its files), a mount in a system or container
// runtime tree, an overlay, one of WSL's own 9p shares, or a FUSE mount that
// answers only its owner, who is not `userId`. Never true of /.
[[nodiscard]] bool NeverListed(const MountEntry& entry, std::optional<unsigned> userId);

// "host:path" (NFS, GlusterFS, SSHFS style, "[v6addr]:path" too) or
// "//server/share" (SMB).
[[nodiscard]] bool IsNetworkSource(std::string_view source);

// fuse, fuseblk and their "fuse.<subtype>" forms.
[[nodiscard]] bool IsFuseFileSystem(std::string_view fileSystem);

// Orders mount points as a tree would: component by component, so /home/ann
// comes right after /home and before /home-old.
[[nodiscard]] bool MountPointLess(std::string_view a, std::string_view b);

// Orders device names naturally: runs of digits compare as numbers, so sr2
// comes before sr10.
[[nodiscard]] bool DeviceNameLess(std::string_view a, std::string_view b);

}  // namespace brelvon
