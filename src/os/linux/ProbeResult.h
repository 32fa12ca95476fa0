#pragma once

#include "os/linux/VolumeSize.h"

#include <optional>

namespace brelvon {

// What asking a file system for its sizes came to.
struct ProbeResult {
    enum class Outcome {
        Answered,    // Size holds the answer
        Failed,      // statvfs answered with an error (the mount is gone, no access)
        TimedOut,    // no answer in time; the child is left to finish on its own
        StillStuck,  // not asked: an earlier child for this mount is still stuck
    };

    Outcome Result = Outcome::Failed;
    std::optional<VolumeSize> Size;
    int Error = 0;  // Failed: statvfs's errno, 0 when the asking itself went wrong
    // The mount point is not a directory: a mount of a single file. False
    // when that could not be told.
    bool SingleFile = false;
};

}  // namespace brelvon
