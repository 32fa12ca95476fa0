#include "os/SystemDrives.h"

#include "os/linux/LinuxDriveServiceFactory.h"

namespace brelvon {

DriveServiceFactory MakeSystemDriveServiceFactory() { return MakeLinuxDriveServiceFactory(); }

}  // namespace brelvon
