#pragma once

#include "drives/Drive.h"
#include "drives/DriveType.h"

#include <cstdint>
#include <optional>
#include <string>

namespace brelvon {

// Everything known about one drive, gathered in advance: a line of a drive
// file, or a drive a test makes up.
struct DriveRecord {
    char Letter = 'C';
    DriveType Type = DriveType::Fixed;
    bool Ready = true;
    std::string Label;
    std::uint64_t TotalBytes = 0;
    std::uint64_t FreeBytes = 0;
    DriveDetails Details;
    std::optional<NotReadyReason> Reason;  // a drive that is not ready: why, when known
};

}  // namespace brelvon
