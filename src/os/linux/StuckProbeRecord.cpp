#include "os/linux/StuckProbeRecord.h"

namespace brelvon {

std::shared_ptr<StuckProbeRecord> StuckProbeRecord::ProcessWide()
{
    static const auto record = std::make_shared<StuckProbeRecord>();
    return record;
}

bool StuckProbeRecord::IsStuck(const std::string& mountKey)
{
    const std::lock_guard lock(mutex_);
    auto [first, last] = children_.equal_range(mountKey);
    bool stuck = false;
    for (auto it = first; it != last;) {
        if (it->second.TryReap()) {
            it = children_.erase(it);
        } else {
            stuck = true;
            ++it;
        }
    }
    return stuck;
}

void StuckProbeRecord::Add(const std::string& mountKey, ChildProcess child)
{
    const std::lock_guard lock(mutex_);
    children_.emplace(mountKey, std::move(child));
}

std::size_t StuckProbeRecord::ReapFinished()
{
    const std::lock_guard lock(mutex_);
    for (auto it = children_.begin(); it != children_.end();) {
        it = it->second.TryReap() ? children_.erase(it) : std::next(it);
    }
    return children_.size();
}

}  // namespace brelvon
