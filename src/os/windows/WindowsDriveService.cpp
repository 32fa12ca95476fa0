#include "os/windows/WindowsDriveService.h"

#include "model/PlatformError.h"
#include "os/windows/Win32DriveType.h"
#include "os/windows/WindowsDrive.h"

#include <string>
#include <utility>

#include <windows.h>

namespace brelvon {

WindowsDriveService::WindowsDriveService(VolumeProbe probe) : probe_(std::move(probe)) {}

std::vector<std::unique_ptr<Drive>> WindowsDriveService::Drives()
{
    // Bit 0 is A:, bit 25 is Z:. Every Windows has at least its system drive,
    // so no bit at all means the call failed.
    const DWORD letters = ::GetLogicalDrives();
    if (letters == 0) {
        throw PlatformError("cannot list the drives (GetLogicalDrives: error " + std::to_string(::GetLastError()) +
                            ")");
    }
    std::vector<std::unique_ptr<Drive>> drives;
    for (int index = 0; index < 26; ++index) {
        if ((letters & (DWORD{1} << index)) == 0) continue;
        const char letter = static_cast<char>('A' + index);
        const std::wstring root{static_cast<wchar_t>(letter), L':', L'\\'};
        const DriveType type = DriveTypeFromWin32(::GetDriveTypeW(root.c_str()));
        drives.push_back(std::make_unique<WindowsDrive>(letter, type, probe_));
    }
    return drives;
}

}  // namespace brelvon
