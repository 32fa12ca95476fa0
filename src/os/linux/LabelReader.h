#pragma once

#include "os/linux/DeviceNumber.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brelvon {

// Finds the label of a mounted file system, asking in turn: the file system
// itself (FS_IOC_GETFSLABEL on its mount point), the udev symlinks in
// /dev/disk/by-label, and udev's database entry for the device
// (ID_FS_LABEL_ENC). The label comes back raw: control characters are the
// caller's to replace. /dev/disk/by-label is read once, when first needed, by a
// reader and all its copies: the drives of one survey share it, and so must be
// asked from one thread at a time.
class LabelReader {
public:
    explicit LabelReader(std::string devRoot = "/dev", std::string udevDataDirectory = "/run/udev/data");

    // `mayOpenMountPoint` must be false for a mount whose file system can block
    // (network, FUSE): opening its root could hang like statvfs. Nullopt when
    // no source knows a non-empty label.
    [[nodiscard]] std::optional<std::string> Read(const std::string& mountPoint, std::optional<DeviceNumber> device,
                                                  bool mayOpenMountPoint) const;

    [[nodiscard]] static std::optional<std::string> FromFileSystem(const std::string& mountPoint);
    [[nodiscard]] std::optional<std::string> FromByLabel(DeviceNumber device) const;
    [[nodiscard]] std::optional<std::string> FromUdevDatabase(DeviceNumber device) const;

private:
    // A link of /dev/disk/by-label whose node is a block device.
    struct ByLabelLink {
        DeviceNumber Device;
        std::string Name;  // udev-escaped
    };

    // In the order the directory lists them; empty when it cannot be read.
    [[nodiscard]] const std::vector<ByLabelLink>& ByLabelLinks() const;

    std::string devRoot_;
    std::string udevDataDirectory_;
    std::shared_ptr<std::optional<std::vector<ByLabelLink>>> byLabel_;
};

}  // namespace brelvon
