#include "os/linux/LinuxDriveServiceFactory.h"

#include "os/linux/ChildStatvfsProbe.h"
#include "os/linux/LinuxDriveService.h"
#include "os/linux/StuckProbeRecord.h"

namespace brelvon {

DriveServiceFactory MakeLinuxDriveServiceFactory()
{
    auto probe = std::make_shared<const ChildStatvfsProbe>(StuckProbeRecord::ProcessWide());
    return [probe]() -> std::unique_ptr<DriveService> {
        return std::make_unique<LinuxDriveService>(LinuxSystemPaths{}, probe);
    };
}

}  // namespace brelvon
