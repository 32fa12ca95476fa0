#pragma once

#include "drives/DriveService.h"
#include "os/linux/ChildStatvfsProbe.h"
#include "os/linux/LinuxSystemPaths.h"

#include <memory>
#include <vector>

namespace brelvon {

// The drives of this Linux machine: its mounted volumes and drive bays,
// lettered and typed by the classifier. Listing reads the mount table, sysfs
// and /dev, and looks at each mount that would be shown for what decides
// whether it is listed at all: a local file system is asked its size and
// whether its mount point is a single file; one that may block (network,
// FUSE) is told by its entry in the folder that holds it, or, when that folder
// may block too, asked in a child that is given up after its time limit. The
// sizes of the rest are left to IsReady() of the drives asked about.
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
