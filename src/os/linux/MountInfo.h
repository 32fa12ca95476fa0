#pragma once

#include "os/linux/MountEntry.h"

#include <cstddef>
#include <vector>

namespace brelvon {

// A parsed mount table, in the order the kernel lists it (mount order, not
// parent first).
struct MountInfo {
    std::vector<MountEntry> Entries;
    // Non-empty lines that did not parse and were left out.
    std::size_t SkippedLines = 0;
};

}  // namespace brelvon
