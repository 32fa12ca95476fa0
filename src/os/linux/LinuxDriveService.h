#pragma once

#include "drives/DriveService.h"
#include "os/linux/ChildStatvfsProbe.h"
#include "os/linux/LinuxSystemPaths.h"

#include <memory>
#include <vector>

namespace brelvon {

// The drives of this Linux machine: its mounted volumes and drive bays,
// lettered and typed by the classifier. Listing reads the mount table, sysfs
// and /dev, and asks each mount that would be listed for its size and whether
// it is a single file (both decide whether it is listed at all): local file
// systems directly, those that may block (network, FUSE) in a child that is
// given up after its time limit. The drives keep the answers.
class LinuxDriveService final : public DriveService {
public:
    // `statvfsFunction` asks the file systems that are asked directly.
    LinuxDriveService(LinuxSystemPaths paths, std::shared_ptr<const ChildStatvfsProbe> probe,
                      ChildStatvfsProbe::StatvfsFunction statvfsFunction = &::statvfs);

    // Throws PlatformError when the mount table cannot be read.
    [[nodiscard]] std::vector<std::unique_ptr<Drive>> Drives() override;

private:
    LinuxSystemPaths paths_;
    std::shared_ptr<const ChildStatvfsProbe> probe_;
    ChildStatvfsProbe::StatvfsFunction statvfs_;
};

}  // namespace brelvon
