#pragma once

#include <filesystem>

namespace brelvon {

// Where the Linux drive service reads its facts. Tests point these at made-up
// trees; the program uses the defaults.
struct LinuxSystemPaths {
    std::filesystem::path MountInfo = "/proc/self/mountinfo";
    std::filesystem::path SysRoot = "/sys";
    std::filesystem::path DevRoot = "/dev";
    std::filesystem::path UdevDataDirectory = "/run/udev/data";
};

}  // namespace brelvon
