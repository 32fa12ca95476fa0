#include "os/linux/MountTree.h"

#include <algorithm>
#include <numeric>

namespace brelvon {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Fills `path` with the chain of a mount and its ancestors, stopping at a
// missing parent or at a loop (a corrupt table must not hang us).
void PathToTop(std::size_t index, const std::vector<std::optional<std::size_t>>& parents,
               std::vector<std::size_t>& path)
{
    path.assign(1, index);
    std::optional<std::size_t> next = parents[index];
    while (next && std::find(path.begin(), path.end(), *next) == path.end()) {
        path.push_back(*next);
        next = parents[*next];
    }
}

}  // namespace

// Sorted index arrays instead of hash maps: a mount table has tens to a few
// hundred lines, and this runs on every survey.
MountTree::MountTree(const std::vector<MountEntry>& entries) : parents_(entries.size()), hidden_(entries.size(), false)
{
    const std::size_t count = entries.size();
    std::vector<std::size_t> order(count);

    // Parents by id; of two lines with one id, the first counts.
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return entries[a].Id != entries[b].Id ? entries[a].Id < entries[b].Id : a < b;
    });
    for (std::size_t i = 0; i < count; ++i) {
        const auto parent =
            std::lower_bound(order.begin(), order.end(), entries[i].ParentId,
                             [&](std::size_t candidate, unsigned id) { return entries[candidate].Id < id; });
        if (parent != order.end() && entries[*parent].Id == entries[i].ParentId && *parent != i) {
            parents_[i] = *parent;
        }
    }

    // nextAtSamePoint[i]: the next later mount at the mount point of mount i;
    // following it lists every mount that covers i.
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int byPoint = entries[a].MountPoint.compare(entries[b].MountPoint);
        return byPoint != 0 ? byPoint < 0 : a < b;
    });
    std::vector<std::size_t> nextAtSamePoint(count, kNone);
    bool anyCovered = false;
    for (std::size_t k = 0; k + 1 < count; ++k) {
        if (entries[order[k]].MountPoint == entries[order[k + 1]].MountPoint) {
            nextAtSamePoint[order[k]] = order[k + 1];
            anyCovered = true;
        }
    }
    if (!anyCovered) {
        return;
    }

    std::vector<std::size_t> path;
    for (std::size_t i = 0; i < count; ++i) {
        PathToTop(i, parents_, path);
        for (const std::size_t ancestor : path) {
            for (std::size_t cover = nextAtSamePoint[ancestor]; cover != kNone && !hidden_[i];
                 cover = nextAtSamePoint[cover]) {
                if (std::find(path.begin(), path.end(), cover) == path.end()) {
                    hidden_[i] = true;
                }
            }
        }
    }
}

}  // namespace brelvon
