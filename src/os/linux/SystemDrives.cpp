#include "platform/SystemDrives.h"

#include "platform/linux/LinuxDriveServiceFactory.h"

namespace brelvon {

DriveServiceFactory MakeSystemDriveServiceFactory() { return MakeLinuxDriveServiceFactory(); }

}  // namespace brelvon
