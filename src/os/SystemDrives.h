#pragma once

#include "drives/DriveService.h"

namespace brelvon {

// The drive service of the machine the program runs on, chosen when the
// program is built: the Linux service on Linux, the Windows service on Windows.
[[nodiscard]] DriveServiceFactory MakeSystemDriveServiceFactory();

}  // namespace brelvon
