#include "os/linux/LabelReader.h"

#include "os/linux/LabelText.h"
#include "os/linux/UniqueFd.h"

#include <array>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace brelvon {

namespace fs = std::filesystem;

namespace {

std::optional<std::string> NonEmpty(std::string label)
{
    if (label.empty()) {
        return std::nullopt;
    }
    return label;
}

}  // namespace

LabelReader::LabelReader(fs::path devRoot, fs::path udevDataDirectory)
    : devRoot_(std::move(devRoot)), udevDataDirectory_(std::move(udevDataDirectory))
{}

std::optional<std::string> LabelReader::Read(const std::string& mountPoint, std::optional<DeviceNumber> device,
                                             bool mayOpenMountPoint) const
{
    if (mayOpenMountPoint) {
        if (auto label = FromFileSystem(mountPoint)) {
            return label;
        }
    }
    if (!device) {
        return std::nullopt;
    }
    if (auto label = FromByLabel(*device)) {
        return label;
    }
    return FromUdevDatabase(*device);
}

std::optional<std::string> LabelReader::FromFileSystem(const std::string& mountPoint)
{
#ifdef FS_IOC_GETFSLABEL
    const UniqueFd directory(::open(mountPoint.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK));
    if (!directory.IsOpen()) {
        return std::nullopt;
    }
    std::array<char, FSLABEL_MAX + 1> label{};
    if (::ioctl(directory.Get(), FS_IOC_GETFSLABEL, label.data()) != 0) {
        return std::nullopt;  // ENOTTY: this file system keeps no label it would tell
    }
    label.back() = '\0';
    return NonEmpty(std::string(label.data()));
#else
    (void)mountPoint;
    return std::nullopt;
#endif
}

std::optional<std::string> LabelReader::FromByLabel(DeviceNumber device) const
{
    std::error_code error;
    for (fs::directory_iterator it(devRoot_ / "disk" / "by-label", error), end; !error && it != end;
         it.increment(error)) {
        // stat follows the link to the device node, which lives in devtmpfs.
        struct stat node {};
        if (::stat(it->path().c_str(), &node) == 0 && S_ISBLK(node.st_mode) && major(node.st_rdev) == device.Major &&
            minor(node.st_rdev) == device.Minor) {
            return NonEmpty(DecodeUdevEscapes(it->path().filename().string()));
        }
    }
    return std::nullopt;
}

std::optional<std::string> LabelReader::FromUdevDatabase(DeviceNumber device) const
{
    std::ifstream data(udevDataDirectory_ / ("b" + device.ToString()));
    constexpr std::string_view key = "E:ID_FS_LABEL_ENC=";
    for (std::string line; std::getline(data, line);) {
        if (line.starts_with(key)) {
            return NonEmpty(DecodeUdevEscapes(std::string_view(line).substr(key.size())));
        }
    }
    return std::nullopt;
}

}  // namespace brelvon
