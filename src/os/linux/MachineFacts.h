#pragma once

#include "os/linux/BlockDeviceFacts.h"
#include "os/linux/DriveBay.h"
#include "os/linux/MountInfo.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace brelvon {

// Everything the classifier needs to know about a machine, gathered beforehand
// as plain data. Any part may be missing: a captured mount table alone is a
// valid machine.
struct MachineFacts {
    MountInfo Mounts;
    // Indexed like Mounts.Entries; shorter (or empty) when sysfs was not read.
    // The gatherer leaves out mounts that are hidden or never listed.
    std::vector<std::optional<BlockDeviceFacts>> DeviceFacts;
    // Total bytes of file systems already measured, by mount index. A mount
    // missing here is taken to have a size.
    std::map<std::size_t, std::uint64_t> KnownTotals;
    // Mounts whose mount point is known not to be a directory (a bind of one
    // file, such as WSL's /init or a container's /etc/hosts), by mount index.
    std::set<std::size_t> SingleFileMounts;
    std::vector<DriveBay> Bays;
    // The effective user id, to recognise FUSE mounts that answer this user
    // with zeros. Unknown: no FUSE mount is presumed empty.
    std::optional<unsigned> UserId;

    [[nodiscard]] const BlockDeviceFacts* FactsOf(std::size_t index) const
    {
        return index < DeviceFacts.size() && DeviceFacts[index] ? &*DeviceFacts[index] : nullptr;
    }
};

}  // namespace brelvon
