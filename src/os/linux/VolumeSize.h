#pragma once

#include <cstdint>

#include <sys/statvfs.h>

namespace brelvon {

// The sizes of a mounted file system, in bytes.
struct VolumeSize {
    std::uint64_t Total = 0;
    std::uint64_t Free = 0;       // free on the whole volume, reserved blocks included
    std::uint64_t Available = 0;  // free to an unprivileged user

    [[nodiscard]] static VolumeSize FromStatvfs(const struct statvfs& stats)
    {
        const std::uint64_t unit = stats.f_frsize;
        return VolumeSize{static_cast<std::uint64_t>(stats.f_blocks) * unit,
                          static_cast<std::uint64_t>(stats.f_bfree) * unit,
                          static_cast<std::uint64_t>(stats.f_bavail) * unit};
    }
};

}  // namespace brelvon
