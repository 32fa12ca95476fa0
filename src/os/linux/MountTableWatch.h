#pragma once

#include "os/linux/UniqueFd.h"

#include <filesystem>

namespace brelvon {

// Tells when the mount table changes, without polling it on a timer: the
// kernel marks an open /proc/self/mountinfo with POLLPRI (an "exception" to
// poll and select) whenever a mount is added, removed or changed in this
// mount namespace. The mark stays until the table is read again, which
// Acknowledge() does.
class MountTableWatch {
public:
    // Opens the table; Descriptor() is -1 when it cannot be opened (no /proc).
    explicit MountTableWatch(const std::filesystem::path& mountInfo = "/proc/self/mountinfo");

    // The descriptor to wait on for POLLPRI; -1 when there is nothing to watch.
    [[nodiscard]] int Descriptor() const { return fd_.Get(); }

    // Takes a signalled change in (reads the table to its end from the start),
    // so that the descriptor signals again only at the next change.
    void Acknowledge();

private:
    UniqueFd fd_;
};

}  // namespace brelvon
