#pragma once

#include "drives/DriveService.h"

namespace brelvon {

// Makes a Linux drive service for each survey of this machine. All services it
// makes share the process-wide record of stuck probe children, so a mount whose
// child hung in one survey is not asked again in the next while that child lives.
[[nodiscard]] DriveServiceFactory MakeLinuxDriveServiceFactory();

}  // namespace brelvon
