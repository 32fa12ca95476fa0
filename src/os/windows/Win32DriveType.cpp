#include "os/windows/Win32DriveType.h"

#include <windows.h>

namespace brelvon {

DriveType DriveTypeFromWin32(unsigned int win32DriveType)
{
    switch (win32DriveType) {
    case DRIVE_REMOVABLE: return DriveType::Removable;
    case DRIVE_FIXED: return DriveType::Fixed;
    case DRIVE_REMOTE: return DriveType::Network;
    case DRIVE_CDROM: return DriveType::CdRom;
    case DRIVE_RAMDISK: return DriveType::RamDisk;
    default: return DriveType::Unknown;
    }
}

}  // namespace brelvon
