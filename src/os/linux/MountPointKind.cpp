#include "os/linux/MountPointKind.h"

#include <cstring>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace brelvon {

MountPointKind KindOfMountPoint(const char* mountPoint)
{
    struct stat status {};
    if (::fstatat(AT_FDCWD, mountPoint, &status, AT_NO_AUTOMOUNT) != 0) {
        return MountPointKind::Unknown;
    }
    return S_ISDIR(status.st_mode) ? MountPointKind::Directory : MountPointKind::SingleFile;
}

MountPointKind KindInFolder(const std::string& mountPoint)
{
    const std::size_t slash = mountPoint.find_last_of('/');
    if (slash == std::string::npos || slash + 1 == mountPoint.size()) {
        return MountPointKind::Unknown;  // not absolute, or / itself
    }
    const std::string folder = slash == 0 ? std::string("/") : mountPoint.substr(0, slash);
    const char* name = mountPoint.c_str() + slash + 1;
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), &::closedir);
    if (!listing) {
        return MountPointKind::Unknown;
    }
    while (const dirent* entry = ::readdir(listing.get())) {
        if (std::strcmp(entry->d_name, name) == 0) {
            switch (entry->d_type) {
            case DT_DIR: return MountPointKind::Directory;
            case DT_UNKNOWN: return MountPointKind::Unknown;
            default: return MountPointKind::SingleFile;
            }
        }
    }
    return MountPointKind::Unknown;
}

}  // namespace brelvon
