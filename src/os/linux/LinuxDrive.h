#pragma once

#include "drives/Drive.h"
#include "os/linux/ChildStatvfsProbe.h"
#include "os/linux/ClassifiedDrive.h"
#include "os/linux/LabelReader.h"
#include "os/linux/ProbeResult.h"
#include "os/linux/VolumeSize.h"

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace brelvon {

// One classified drive of this machine. Its sizes are asked once, in
// IsReady(), and kept for the life of the object (one survey): directly for a
// local file system, through the child probe for one that may block. A drive
// bay without a mounted medium is never ready. A ZFS pool's sizes are made
// from those of its datasets, each asked in the same way; when one of them
// does not answer, the pool is not ready.
class LinuxDrive final : public Drive {
public:
    // statvfs answers already asked while listing (local file systems), by
    // mount index. Mounts missing here are asked when needed.
    using MeasuredSizes = std::map<std::size_t, ProbeResult>;

    // `statvfsFunction` is what asks local file systems directly.
    LinuxDrive(ClassifiedDrive drive, MeasuredSizes measured, std::shared_ptr<const ChildStatvfsProbe> probe,
               LabelReader labels, ChildStatvfsProbe::StatvfsFunction statvfsFunction = &::statvfs);

    [[nodiscard]] DriveType Type() const override { return drive_.Type; }
    [[nodiscard]] char Letter() const override { return drive_.Letter; }
    // Ready when the file system answered statvfs with a total above 0; the
    // root whenever it answered.
    [[nodiscard]] bool IsReady() override;
    // The label, or the mount point when the file system has none.
    [[nodiscard]] std::string VolumeName() override;
    [[nodiscard]] std::uint64_t TotalSize() override;
    [[nodiscard]] std::uint64_t FreeSpace() override;
    [[nodiscard]] DriveDetails Details() override;
    // No medium in the bay, no answer within the probe's time, or statvfs's
    // error text; nullopt when the file system answered with a total of 0.
    [[nodiscard]] std::optional<NotReadyReason> WhyNotReady() override;

    // Asks statvfs directly: Answered, or Failed with its errno; and whether
    // the mount point is a single file. Only for file systems that cannot block.
    [[nodiscard]] static ProbeResult MeasureDirectly(const std::string& mountPoint,
                                                     ChildStatvfsProbe::StatvfsFunction statvfsFunction = &::statvfs);

    // Asks a mount as its drive would: through the child probe when it may
    // block, else directly.
    [[nodiscard]] static ProbeResult Measure(const SizedMount& mount, const ChildStatvfsProbe& probe,
                                             ChildStatvfsProbe::StatvfsFunction statvfsFunction);

private:
    [[nodiscard]] ProbeResult Ask(const SizedMount& mount) const;
    [[nodiscard]] ProbeResult PoolSize() const;
    [[nodiscard]] const VolumeSize& Size();

    ClassifiedDrive drive_;
    MeasuredSizes measured_;
    std::shared_ptr<const ChildStatvfsProbe> probe_;
    LabelReader labels_;
    ChildStatvfsProbe::StatvfsFunction statvfs_;
    std::optional<ProbeResult> answer_;  // asked once, in IsReady()
    std::optional<std::string> volumeName_;
};

}  // namespace brelvon
