#pragma once

#include "drives/Drive.h"
#include "os/windows/VolumeQuery.h"

#include <optional>

namespace brelvon {

// One lettered drive of this Windows machine. Listing it costs nothing: the
// volume is asked only in IsReady(), once, and its answer kept for the life
// of the object (one survey). So a drive of a type that is not listed is never
// touched, and an empty CD-ROM drive is asked once per survey.
class WindowsDrive final : public Drive {
public:
    WindowsDrive(char letter, DriveType type, VolumeProbe probe);

    [[nodiscard]] DriveType Type() const override { return type_; }
    [[nodiscard]] char Letter() const override { return letter_; }
    [[nodiscard]] bool IsReady() override;
    [[nodiscard]] std::string VolumeName() override;
    [[nodiscard]] std::uint64_t TotalSize() override;
    // lpTotalNumberOfFreeBytes: the volume's, not what a quota leaves this user.
    [[nodiscard]] std::uint64_t FreeSpace() override;
    // Root folder "C:\", device, file system and the bytes left to this user.
    [[nodiscard]] DriveDetails Details() override;
    // No medium, or the system's words for why the volume did not answer.
    [[nodiscard]] std::optional<NotReadyReason> WhyNotReady() override;

private:
    // Throws PlatformError when the drive is not ready.
    [[nodiscard]] const VolumeFacts& Facts();

    char letter_;
    DriveType type_;
    VolumeProbe probe_;
    std::optional<VolumeAnswer> answer_;  // asked once, in IsReady()
};

}  // namespace brelvon
