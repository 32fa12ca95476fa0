#include "os/windows/WindowsDrive.h"

#include "model/PlatformError.h"

#include <utility>

namespace brelvon {

WindowsDrive::WindowsDrive(char letter, DriveType type, VolumeProbe probe)
    : letter_(letter), type_(type), probe_(std::move(probe))
{}

bool WindowsDrive::IsReady()
{
    if (!answer_) answer_ = probe_(letter_);
    return answer_->Facts.has_value();
}

const VolumeFacts& WindowsDrive::Facts()
{
    if (!IsReady()) throw PlatformError("the drive " + std::string(1, letter_) + ": is not ready");
    return *answer_->Facts;
}

std::string WindowsDrive::VolumeName() { return Facts().Label; }

std::uint64_t WindowsDrive::TotalSize() { return Facts().TotalBytes; }

std::uint64_t WindowsDrive::FreeSpace() { return Facts().FreeBytes; }

DriveDetails WindowsDrive::Details()
{
    const VolumeFacts& facts = Facts();
    DriveDetails details;
    details.MountPoint = std::string{letter_, ':', '\\'};
    details.Device = facts.Device;
    details.FileSystem = facts.FileSystem;
    details.AvailableBytes = facts.AvailableBytes;
    return details;
}

std::optional<NotReadyReason> WindowsDrive::WhyNotReady()
{
    if (IsReady()) return std::nullopt;
    if (answer_->NoMedium) return NotReadyReason{NotReadyReason::Kind::NoMedium, {}};
    if (answer_->NoAnswer) return NotReadyReason{NotReadyReason::Kind::NoAnswer, {}};
    if (answer_->Error.empty()) return std::nullopt;
    return NotReadyReason{NotReadyReason::Kind::SystemError, answer_->Error};
}

}  // namespace brelvon
