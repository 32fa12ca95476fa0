#pragma once

#include "drives/Drive.h"
#include "os/linux/ChildStatvfsProbe.h"
#include "os/linux/ClassifiedDrive.h"
#include "os/linux/LabelReader.h"
#include "os/linux/VolumeSize.h"

#include <memory>
#include <optional>
#include <string>

namespace brelvon {

// One classified drive of this machine. Its sizes are asked once, in
// IsReady(), and kept for the life of the object (one survey): directly for a
// local file system, through the child probe for one that may block. A drive
// bay without a mounted medium is never ready.
class LinuxDrive final : public Drive {
public:
    // `measured`: sizes already asked while listing (a local file system), or
    // an empty optional when they are still to be asked.
    LinuxDrive(ClassifiedDrive drive, std::optional<std::optional<VolumeSize>> measured,
               std::shared_ptr<const ChildStatvfsProbe> probe, LabelReader labels);

    [[nodiscard]] DriveType Type() const override { return drive_.Type; }
    [[nodiscard]] char Letter() const override { return drive_.Letter; }
    // Ready when the file system answered statvfs with a total above 0.
    [[nodiscard]] bool IsReady() override;
    // The label, or the mount point when the file system has none.
    [[nodiscard]] std::string VolumeName() override;
    [[nodiscard]] std::uint64_t TotalSize() override;
    [[nodiscard]] std::uint64_t FreeSpace() override;
    [[nodiscard]] DriveDetails Details() override;

    // Asks statvfs directly; nullopt when it fails. Only for file systems that
    // cannot block it.
    [[nodiscard]] static std::optional<VolumeSize> MeasureDirectly(const std::string& mountPoint);

private:
    [[nodiscard]] const VolumeSize& Size();

    ClassifiedDrive drive_;
    std::optional<std::optional<VolumeSize>> measured_;
    std::shared_ptr<const ChildStatvfsProbe> probe_;
    LabelReader labels_;
    std::optional<std::string> volumeName_;
};

}  // namespace brelvon
