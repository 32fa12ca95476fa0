#pragma once

namespace brelvon {

// The six drive type codes a drive service reports. The numeric values are
// part of the drive-file format and of the probe's output, so they never change.
enum class DriveType : int {
    Unknown = 0,
    Removable = 1,
    Fixed = 2,
    Network = 3,
    CdRom = 4,
    RamDisk = 5,
};

[[nodiscard]] constexpr bool IsValidDriveTypeCode(int code) { return code >= 0 && code <= 5; }

}  // namespace brelvon
