#include "os/SystemDrives.h"

#include "os/windows/WindowsDriveService.h"

#include <memory>

namespace brelvon {

DriveServiceFactory MakeSystemDriveServiceFactory()
{
    // Questions given up in one survey are remembered in the next.
    auto busy = std::make_shared<BusyLetters>();
    return [busy]() -> std::unique_ptr<DriveService> {
        return std::make_unique<WindowsDriveService>(QueryVolume, QueryDriveType, busy);
    };
}

}  // namespace brelvon
