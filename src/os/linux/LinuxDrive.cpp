#include "os/linux/LinuxDrive.h"

#include "model/PlatformError.h"
#include "os/linux/LabelText.h"

#include <cerrno>

#include <sys/statvfs.h>

namespace brelvon {

LinuxDrive::LinuxDrive(ClassifiedDrive drive, std::optional<std::optional<VolumeSize>> measured,
                       std::shared_ptr<const ChildStatvfsProbe> probe, LabelReader labels)
    : drive_(std::move(drive)), measured_(std::move(measured)), probe_(std::move(probe)), labels_(std::move(labels))
{}

std::optional<VolumeSize> LinuxDrive::MeasureDirectly(const std::string& mountPoint)
{
    struct statvfs stats {};
    int result = 0;
    do {
        result = ::statvfs(mountPoint.c_str(), &stats);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        return std::nullopt;
    }
    return VolumeSize::FromStatvfs(stats);
}

bool LinuxDrive::IsReady()
{
    if (!drive_.HasFileSystem) {
        return false;
    }
    if (!measured_) {
        if (drive_.AskInChild) {
            // The mount is named by its device number and source as well as its
            // path, so a new mount at the same place is asked afresh.
            const std::string key = drive_.MountDevice.ToString() + ' ' + drive_.Device + ' ' + drive_.MountPoint;
            measured_ = probe_->Probe(key, drive_.MountPoint).Size;
        } else {
            measured_ = MeasureDirectly(drive_.MountPoint);
        }
    }
    // A file system answering with a total of 0 has nothing to show.
    return measured_->has_value() && (*measured_)->Total > 0;
}

const VolumeSize& LinuxDrive::Size()
{
    if (!IsReady()) {
        throw PlatformError("the drive " + std::string(1, drive_.Letter) + ": is not ready");
    }
    return **measured_;
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
        details.AvailableBytes = (*measured_)->Available;
    }
    return details;
}

}  // namespace brelvon
