#pragma once

#include "os/linux/MountEntry.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace brelvon {

// The mount tree rebuilt from the ids of a mount table, which the kernel lists
// in mount order rather than parent first. It answers which mounts a user can
// actually reach.
class MountTree {
public:
    explicit MountTree(const std::vector<MountEntry>& entries);

    // True when the mount at `index` cannot be reached through its mount point:
    // a later mount sits at the same mount point on top of it, or one of its
    // ancestors is covered that way by a mount that is not itself on this
    // mount's path (what was mounted inside a directory before that directory
    // was mounted over). A parent id missing from the table ends the path there.
    [[nodiscard]] bool IsHidden(std::size_t index) const { return hidden_[index]; }

    // The index of the entry's parent, if it is in the table.
    [[nodiscard]] std::optional<std::size_t> ParentOf(std::size_t index) const { return parents_[index]; }

private:
    std::vector<std::optional<std::size_t>> parents_;
    std::vector<bool> hidden_;
};

}  // namespace brelvon
