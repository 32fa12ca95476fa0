#pragma once

#include "os/linux/DeviceNumber.h"

#include <filesystem>
#include <optional>
#include <string>

namespace brelvon {

// Finds the label of a mounted file system, asking in turn: the file system
// itself (FS_IOC_GETFSLABEL on its mount point), the udev symlinks in
// /dev/disk/by-label, and udev's database entry for the device
// (ID_FS_LABEL_ENC). The label comes back raw: control characters are the
// caller's to replace.
class LabelReader {
public:
    explicit LabelReader(std::filesystem::path devRoot = "/dev",
                         std::filesystem::path udevDataDirectory = "/run/udev/data");

    // `mayOpenMountPoint` must be false for a mount whose file system can block
    // (network, FUSE): opening its root could hang like statvfs. Nullopt when
    // no source knows a non-empty label.
    [[nodiscard]] std::optional<std::string> Read(const std::string& mountPoint, std::optional<DeviceNumber> device,
                                                  bool mayOpenMountPoint) const;

    [[nodiscard]] static std::optional<std::string> FromFileSystem(const std::string& mountPoint);
    [[nodiscard]] std::optional<std::string> FromByLabel(DeviceNumber device) const;
    [[nodiscard]] std::optional<std::string> FromUdevDatabase(DeviceNumber device) const;

private:
    std::filesystem::path devRoot_;
    std::filesystem::path udevDataDirectory_;
};

}  // namespace brelvon
