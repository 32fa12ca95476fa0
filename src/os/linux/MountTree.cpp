#include "os/linux/MountTree.h"

#include <algorithm>
#include <unordered_map>

namespace brelvon {

namespace {

// The chain of a mount and its ancestors, stopping at a missing parent or at a
// loop (a corrupt table must not hang us).
std::vector<std::size_t> PathToTop(std::size_t index, const std::vector<std::optional<std::size_t>>& parents)
{
    std::vector<std::size_t> path{index};
    std::optional<std::size_t> next = parents[index];
    while (next && std::find(path.begin(), path.end(), *next) == path.end()) {
        path.push_back(*next);
        next = parents[*next];
    }
    return path;
}

}  // namespace

MountTree::MountTree(const std::vector<MountEntry>& entries) : parents_(entries.size()), hidden_(entries.size(), false)
{
    std::unordered_map<unsigned, std::size_t> byId;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        byId.emplace(entries[i].Id, i);
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto parent = byId.find(entries[i].ParentId);
        if (parent != byId.end() && parent->second != i) {
            parents_[i] = parent->second;
        }
    }

    // coveredBy[i]: later mounts at the same mount point as mount i.
    std::unordered_map<std::string, std::vector<std::size_t>> byMountPoint;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        byMountPoint[entries[i].MountPoint].push_back(i);
    }
    std::vector<std::vector<std::size_t>> coveredBy(entries.size());
    for (const auto& [mountPoint, indices] : byMountPoint) {
        for (std::size_t k = 0; k + 1 < indices.size(); ++k) {
            coveredBy[indices[k]].assign(indices.begin() + static_cast<std::ptrdiff_t>(k) + 1, indices.end());
        }
    }

    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::vector<std::size_t> path = PathToTop(i, parents_);
        for (const std::size_t ancestor : path) {
            for (const std::size_t cover : coveredBy[ancestor]) {
                if (std::find(path.begin(), path.end(), cover) == path.end()) {
                    hidden_[i] = true;
                }
            }
        }
    }
}

}  // namespace brelvon
