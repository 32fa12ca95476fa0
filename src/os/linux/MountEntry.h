#pragma once

#include "os/linux/DeviceNumber.h"

#include <string>
#include <vector>

namespace brelvon {

// One line of /proc/self/mountinfo, with the kernel's octal escapes decoded in
// Root, MountPoint and Source. FileSystem keeps a FUSE subtype as the kernel
// writes it ("fuse.sshfs").
struct MountEntry {
    unsigned Id = 0;
    unsigned ParentId = 0;
    DeviceNumber Device;
    std::string Root;  // the directory of the file system shown here
    std::string MountPoint;
    std::string MountOptions;
    std::vector<std::string> OptionalFields;  // "shared:1", "master:2", ...
    std::string FileSystem;
    std::string Source;  // may be empty
    std::string SuperOptions;
};

}  // namespace brelvon
