#include "os/SystemDrives.h"

#include "os/windows/WindowsDriveService.h"

namespace brelvon {

DriveServiceFactory MakeSystemDriveServiceFactory()
{
    return []() -> std::unique_ptr<DriveService> { return std::make_unique<WindowsDriveService>(); };
}

}  // namespace brelvon
