#include "platform/linux/LinuxDriveServiceFactory.h"

#include "platform/linux/ChildStatvfsProbe.h"
#include "platform/linux/LinuxDriveService.h"
#include "platform/linux/StuckProbeRecord.h"

namespace brelvon {

DriveServiceFactory MakeLinuxDriveServiceFactory() {
    auto probe = std::make_shared<const ChildStatvfsProbe>(StuckProbeRecord::ProcessWide());
    return [probe]() -> std::unique_ptr<DriveService> {
        return std::make_unique<LinuxDriveService>(LinuxSystemPaths{}, probe);
    };
}

}  // namespace brelvon
