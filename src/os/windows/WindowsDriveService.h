#pragma once

#include "drives/DriveService.h"
#include "os/windows/VolumeQuery.h"

namespace brelvon {

// The lettered drives of this Windows machine, from GetLogicalDrives, each
// with its type from GetDriveTypeW. Listing never touches a medium or a share;
// each drive asks its volume through `probe` when it is asked whether it is
// ready (see WindowsDrive).
class WindowsDriveService final : public DriveService {
public:
    explicit WindowsDriveService(VolumeProbe probe = QueryVolume);

    // Throws PlatformError when the system cannot list the drives.
    [[nodiscard]] std::vector<std::unique_ptr<Drive>> Drives() override;

private:
    VolumeProbe probe_;
};

}  // namespace brelvon
