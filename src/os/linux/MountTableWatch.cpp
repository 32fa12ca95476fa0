#include "os/linux/MountTableWatch.h"

#include <array>

#include <fcntl.h>
#include <unistd.h>

namespace brelvon {

MountTableWatch::MountTableWatch(const std::filesystem::path& mountInfo)
    : fd_(::open(mountInfo.c_str(), O_RDONLY | O_CLOEXEC))
{
    // Changes count from this reading on.
    Acknowledge();
}

void MountTableWatch::Acknowledge()
{
    if (!fd_.IsOpen()) return;
    if (::lseek(fd_.Get(), 0, SEEK_SET) < 0) return;
    std::array<char, 16384> buffer{};
    while (::read(fd_.Get(), buffer.data(), buffer.size()) > 0) {}
}

}  // namespace brelvon
