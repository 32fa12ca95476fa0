#pragma once

#include <string>

namespace brelvon {

// Whether a mount point is a directory or a single file (a bind of one file,
// such as WSL's /init or a container's /etc/hosts).
enum class MountPointKind {
    Unknown,
    Directory,
    SingleFile,
};

// Asks the mount point itself, which touches the mounted file system as
// statvfs does. Unknown when it cannot be asked. Async-signal-safe, so the
// child that asks statvfs may ask it too.
[[nodiscard]] MountPointKind KindOfMountPoint(const char* mountPoint);

// Reads the mount point's entry in the folder that holds it, without touching
// the file system mounted there: the kernel mounts a directory only on a
// directory and a file only on a file. Unknown when the folder cannot be read
// or its file system does not tell the kinds of its entries. Reading the
// folder touches its own file system, so only for a folder that cannot block.
[[nodiscard]] MountPointKind KindInFolder(const std::string& mountPoint);

}  // namespace brelvon
