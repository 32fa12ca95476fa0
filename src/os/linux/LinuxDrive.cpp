#include "os/linux/LinuxDrive.h"

#include "model/PlatformError.h"
#include "os/linux/LabelText.h"
#include "os/linux/MountPointKind.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <sys/statvfs.h>

namespace brelvon {

LinuxDrive::LinuxDrive(ClassifiedDrive drive, MeasuredSizes measured, std::shared_ptr<const ChildStatvfsProbe> probe,
                       LabelReader labels, ChildStatvfsProbe::StatvfsFunction statvfsFunction)
    : drive_(std::move(drive)),
      measured_(std::move(measured)),
      probe_(std::move(probe)),
      labels_(std::move(labels)),
      statvfs_(statvfsFunction)
{}

ProbeResult LinuxDrive::MeasureDirectly(const std::string& mountPoint,
                                        ChildStatvfsProbe::StatvfsFunction statvfsFunction)
{
    struct statvfs stats {};
    int result = 0;
    do {
        result = statvfsFunction(mountPoint.c_str(), &stats);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        return ProbeResult{ProbeResult::Outcome::Failed, std::nullopt, errno};
    }
    return ProbeResult{ProbeResult::Outcome::Answered, VolumeSize::FromStatvfs(stats), 0,
                       KindOfMountPoint(mountPoint.c_str()) == MountPointKind::SingleFile};
}

ProbeResult LinuxDrive::Measure(const SizedMount& mount, const ChildStatvfsProbe& probe,
                                ChildStatvfsProbe::StatvfsFunction statvfsFunction)
{
    if (mount.AskInChild) {
        // The mount is named by its device number and source as well as its
        // path, so a new mount at the same place is asked afresh.
        const std::string key = mount.MountDevice.ToString() + ' ' + mount.Source + ' ' + mount.MountPoint;
        return probe.Probe(key, mount.MountPoint);
    }
    return MeasureDirectly(mount.MountPoint, statvfsFunction);
}

ProbeResult LinuxDrive::Ask(const SizedMount& mount) const
{
    if (const auto answer = measured_.find(mount.MountIndex); answer != measured_.end()) {
        return answer->second;
    }
    return Measure(mount, *probe_, statvfs_);
}

// Every dataset reports the pool's free space, less any quota of its own, so
// the pool has the largest; what each uses is its own. A pool of which one
// dataset did not answer has no size: a partial sum would be a wrong one,
// and that dataset's answer says why.
ProbeResult LinuxDrive::PoolSize() const
{
    VolumeSize pool;
    std::uint64_t used = 0;
    for (const SizedMount& dataset : drive_.Datasets) {
        const ProbeResult answer = Ask(dataset);
        if (!answer.Size) {
            return answer;
        }
        const std::optional<VolumeSize>& size = answer.Size;
        pool.Free = std::max(pool.Free, size->Free);
        pool.Available = std::max(pool.Available, size->Available);
        if (!dataset.Snapshot && size->Total > size->Free) {
            used += size->Total - size->Free;
        }
    }
    pool.Total = pool.Free + used;
    return ProbeResult{ProbeResult::Outcome::Answered, pool};
}

bool LinuxDrive::IsReady()
{
    if (!drive_.HasFileSystem) {
        return false;
    }
    if (!answer_) {
        answer_ = drive_.Datasets.empty() ? Ask(SizedMountsOf(drive_).front()) : PoolSize();
    }
    // A file system answering with a total of 0 has nothing to show, but the
    // root shows what it has (a RAM file system of an initramfs reports 0).
    return answer_->Size.has_value() && (answer_->Size->Total > 0 || drive_.MountPoint == "/");
}

const VolumeSize& LinuxDrive::Size()
{
    if (!IsReady()) {
        throw PlatformError("the drive " + std::string(1, drive_.Letter) + ": is not ready");
    }
    return *answer_->Size;
}

std::string LinuxDrive::VolumeName()
{
    if (!volumeName_) {
        const bool mayOpen = !drive_.AskInChild;
        volumeName_ = VolumeNameOf(labels_.Read(drive_.MountPoint, drive_.BlockDevice, mayOpen), drive_.MountPoint);
    }
    return *volumeName_;
}

std::uint64_t LinuxDrive::TotalSize() { return Size().Total; }

std::uint64_t LinuxDrive::FreeSpace() { return Size().Free; }

DriveDetails LinuxDrive::Details()
{
    DriveDetails details;
    details.MountPoint = drive_.MountPoint;
    details.Device = drive_.Device;
    details.FileSystem = drive_.FileSystem;
    if (IsReady()) {
        details.AvailableBytes = answer_->Size->Available;
    }
    return details;
}

std::optional<NotReadyReason> LinuxDrive::WhyNotReady()
{
    if (IsReady()) {
        return std::nullopt;
    }
    if (!drive_.HasFileSystem) {
        return NotReadyReason{NotReadyReason::Kind::NoMedium, {}};
    }
    switch (answer_->Result) {
    case ProbeResult::Outcome::TimedOut:
    case ProbeResult::Outcome::StillStuck: return NotReadyReason{NotReadyReason::Kind::NoAnswer, {}};
    case ProbeResult::Outcome::Failed:
        if (answer_->Error != 0) {
            return NotReadyReason{NotReadyReason::Kind::SystemError, std::strerror(answer_->Error)};
        }
        break;
    case ProbeResult::Outcome::Answered: break;
    }
    return std::nullopt;
}

}  // namespace brelvon
