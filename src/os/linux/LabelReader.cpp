#include "os/linux/LabelReader.h"

#include "os/linux/KernelFiles.h"
#include "os/linux/LabelText.h"
#include "os/linux/UniqueFd.h"

#include <algorithm>
#include <array>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace brelvon {

namespace {

std::optional<std::string> NonEmpty(std::string label)
{
    if (label.empty()) {
        return std::nullopt;
    }
    return label;
}

}  // namespace

LabelReader::LabelReader(std::string devRoot, std::string udevDataDirectory)
    : devRoot_(std::move(devRoot)),
      udevDataDirectory_(std::move(udevDataDirectory)),
      byLabel_(std::make_shared<std::optional<std::vector<ByLabelLink>>>())
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

const std::vector<LabelReader::ByLabelLink>& LabelReader::ByLabelLinks() const
{
    if (!*byLabel_) {
        std::vector<ByLabelLink>& links = byLabel_->emplace();
        const UniqueFd directory(::open((devRoot_ + "/disk/by-label").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (directory.IsOpen()) {
            for (std::string& name : NamesInOpenDirectory(directory.Get())) {
                // stat follows the link to the device node, which lives in devtmpfs.
                struct stat node {};
                if (::fstatat(directory.Get(), name.c_str(), &node, 0) == 0 && S_ISBLK(node.st_mode)) {
                    links.push_back({DeviceNumber{major(node.st_rdev), minor(node.st_rdev)}, std::move(name)});
                }
            }
        }
    }
    return **byLabel_;
}

std::optional<std::string> LabelReader::FromByLabel(DeviceNumber device) const
{
    for (const ByLabelLink& link : ByLabelLinks()) {
        if (link.Device == device) {
            return NonEmpty(DecodeUdevEscapes(link.Name));
        }
    }
    return std::nullopt;
}

std::optional<std::string> LabelReader::FromUdevDatabase(DeviceNumber device) const
{
    const std::optional<std::string> data =
        ReadWholeFile(AT_FDCWD, (udevDataDirectory_ + "/b" + device.ToString()).c_str());
    if (!data) {
        return std::nullopt;
    }
    constexpr std::string_view key = "E:ID_FS_LABEL_ENC=";
    const std::string_view text = *data;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        if (line.starts_with(key)) {
            return NonEmpty(DecodeUdevEscapes(line.substr(key.size())));
        }
        start = end + 1;
    }
    return std::nullopt;
}

}  // namespace brelvon
