#pragma once

#include "os/linux/ChildProcess.h"

#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace brelvon {

// The probe children that did not answer in time, by the mount they were
// asking about. While a mount's child is still stuck, that mount is not probed
// again: another child would only get stuck beside it. Children that finish
// later are reaped on the next look, without blocking. Thread-safe.
class StuckProbeRecord {
public:
    // The record shared by the whole process, so that a child abandoned in one
    // survey is remembered in the next.
    [[nodiscard]] static std::shared_ptr<StuckProbeRecord> ProcessWide();

    // True while a child probing this mount is still running.
    [[nodiscard]] bool IsStuck(const std::string& mountKey);
    // Keeps a child that did not answer in time.
    void Add(const std::string& mountKey, ChildProcess child);
    // Reaps every recorded child that has ended; returns how many are left.
    std::size_t ReapFinished();

private:
    std::mutex mutex_;
    std::multimap<std::string, ChildProcess> children_;
};

}  // namespace brelvon
