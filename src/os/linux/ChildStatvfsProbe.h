#pragma once

#include "drives/DriveService.h"
#include "os/linux/ProbeResult.h"
#include "os/linux/StuckProbeRecord.h"

#include <chrono>
#include <memory>
#include <string>

#include <sys/statvfs.h>

namespace brelvon {

// Asks statvfs in a forked child that answers through a pipe, so that a file
// system which blocks statvfs forever (a dead network share, a hung FUSE
// daemon) costs at most the timeout. A child that does not answer in time is
// left running and kept in the stuck record; its mount is not asked again
// until that child has ended. The child also tells whether the path is a
// single file.
class ChildStatvfsProbe {
public:
    // Runs in the child, so it must be async-signal-safe: the parent may have
    // other threads, whose locks the child inherits held.
    using StatvfsFunction = int (*)(const char* path, struct statvfs* result);

    static constexpr std::chrono::milliseconds kDefaultTimeout = SlowVolumeLimit;

    explicit ChildStatvfsProbe(std::shared_ptr<StuckProbeRecord> record,
                               std::chrono::milliseconds timeout = kDefaultTimeout,
                               StatvfsFunction statvfsFunction = &::statvfs);

    // `mountKey` names the mount (not only its path: a new mount at the same
    // place is a different file system). Throws PlatformError when no child
    // can be made.
    [[nodiscard]] ProbeResult Probe(const std::string& mountKey, const std::string& path) const;

private:
    std::shared_ptr<StuckProbeRecord> record_;
    std::chrono::milliseconds timeout_;
    StatvfsFunction statvfs_;
};

}  // namespace brelvon
