#include "os/linux/LinuxDrive.h"

#include "model/PlatformError.h"
#include "os/linux/LabelText.h"

#include <algorithm>
#include <cerrno>

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

std::optional<VolumeSize> LinuxDrive::MeasureDirectly(const std::string& mountPoint,
                                                      ChildStatvfsProbe::StatvfsFunction statvfsFunction)
{
    struct statvfs stats {};
    int result = 0;
    do {
        result = statvfsFunction(mountPoint.c_str(), &stats);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        return std::nullopt;
    }
    return VolumeSize::FromStatvfs(stats);
}

std::optional<VolumeSize> LinuxDrive::Ask(const SizedMount& mount) const
{
    if (const auto answer = measured_.find(mount.MountIndex); answer != measured_.end()) {
        return answer->second;
    }
    if (mount.AskInChild) {
        // The mount is named by its device number and source as well as its
        // path, so a new mount at the same place is asked afresh.
        const std::string key = mount.MountDevice.ToString() + ' ' + mount.Source + ' ' + mount.MountPoint;
        return probe_->Probe(key, mount.MountPoint).Size;
    }
    return MeasureDirectly(mount.MountPoint, statvfs_);
}

// Every dataset reports the pool's free space, less any quota of its own, so
// the pool has the largest; what each uses is its own. A pool of which one
// dataset did not answer has no size: a partial sum would be a wrong one.
std::optional<VolumeSize> LinuxDrive::PoolSize() const
{
    VolumeSize pool;
    std::uint64_t used = 0;
    for (const SizedMount& dataset : drive_.Datasets) {
        const std::optional<VolumeSize> size = Ask(dataset);
        if (!size) {
            return std::nullopt;
        }
        pool.Free = std::max(pool.Free, size->Free);
        pool.Available = std::max(pool.Available, size->Available);
        if (!dataset.Snapshot && size->Total > size->Free) {
            used += size->Total - size->Free;
        }
    }
    pool.Total = pool.Free + used;
    return pool;
}

bool LinuxDrive::IsReady()
{
    if (!drive_.HasFileSystem) {
        return false;
    }
    if (!size_) {
        size_ = drive_.Datasets.empty() ? Ask(SizedMountsOf(drive_).front()) : PoolSize();
    }
    // A file system answering with a total of 0 has nothing to show.
    return size_->has_value() && (*size_)->Total > 0;
}

const VolumeSize& LinuxDrive::Size()
{
    if (!IsReady()) {
        throw PlatformError("the drive " + std::string(1, drive_.Letter) + ": is not ready");
    }
    return **size_;
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
        details.AvailableBytes = (*size_)->Available;
    }
    return details;
}

}  // namespace brelvon
