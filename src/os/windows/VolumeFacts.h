#pragma once

#include <cstdint>
#include <string>

namespace brelvon {

// What a ready volume told about itself. Text is UTF-8.
struct VolumeFacts {
    std::string Label;       // may be empty
    std::string FileSystem;  // "NTFS", "FAT32", "CDFS", ...
    std::string Device;      // the device the letter names, "\Device\HarddiskVolume3"; may be empty
    std::uint64_t TotalBytes = 0;
    std::uint64_t FreeBytes = 0;       // free bytes of the whole volume
    std::uint64_t AvailableBytes = 0;  // free bytes left to this user under a quota
};

}  // namespace brelvon
