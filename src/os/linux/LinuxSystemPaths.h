#pragma once

#include <string>

namespace brelvon {

// Where the Linux drive service reads its facts. Tests point these at made-up
// trees; the program uses the defaults. Plain strings rather than
// std::filesystem paths: the terminal report then links no part of the C++
// runtime's file system and stream library, whose tables the dynamic loader
// would otherwise relocate at every start.
struct LinuxSystemPaths {
    std::string MountInfo = "/proc/self/mountinfo";
    std::string SysRoot = "/sys";
    std::string DevRoot = "/dev";
    std::string UdevDataDirectory = "/run/udev/data";
};

}  // namespace brelvon
