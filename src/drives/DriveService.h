#pragma once

#include "drives/Drive.h"

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace brelvon {

// The machine's drives. A fresh service is made for every survey and released
// when the survey ends, so an implementation may cache what it learns for the
// length of one survey and no longer.
class DriveService {
public:
    virtual ~DriveService() = default;

    // Every drive of the machine once, in ascending letter order.
    [[nodiscard]] virtual std::vector<std::unique_ptr<Drive>> Drives() = 0;
};

// How long a survey waits for a volume that may not answer at all (a dead
// network share, a hung FUSE mount) before it lists that drive as not ready.
inline constexpr std::chrono::milliseconds SlowVolumeLimit{1500};

// Makes the drive service of one survey.
using DriveServiceFactory = std::function<std::unique_ptr<DriveService>()>;

}  // namespace brelvon
