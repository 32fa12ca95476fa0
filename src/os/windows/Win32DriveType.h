#pragma once

#include "drives/DriveType.h"

namespace brelvon {

// The drive type code of a result of GetDriveTypeW: DRIVE_REMOVABLE,
// DRIVE_FIXED, DRIVE_REMOTE, DRIVE_CDROM and DRIVE_RAMDISK give their own
// codes; DRIVE_UNKNOWN, DRIVE_NO_ROOT_DIR (a letter that leads nowhere) and
// any value a later Windows may add give Unknown, which is never listed.
[[nodiscard]] DriveType DriveTypeFromWin32(unsigned int win32DriveType);

}  // namespace brelvon
