#pragma once

#include "os/windows/VolumeFacts.h"

#include <functional>
#include <optional>
#include <string>

namespace brelvon {

// What asking the volume behind a drive letter came to. Facts is nullopt when
// the drive is not ready: no medium, an unreadable or unformatted medium, a
// share that does not answer, or a total size of 0. Then NoMedium tells the
// first case apart, NoAnswer a volume given up because it did not answer in
// time (see WindowsDriveService), and Error holds the system's words for the
// others (empty for a total of 0).
struct VolumeAnswer {
    std::optional<VolumeFacts> Facts;
    bool NoMedium = false;
    std::string Error;
    bool NoAnswer = false;
};

// Asks the volume behind a drive letter for its label, file system and sizes.
using VolumeProbe = std::function<VolumeAnswer(char letter)>;

// The volume probe of this machine: GetVolumeInformationW and
// GetDiskFreeSpaceExW on "X:\", with system error dialogs turned off for the
// calling thread while they run. Touches the medium; may be slow (spinning up
// a disk, waiting for a share).
[[nodiscard]] VolumeAnswer QueryVolume(char letter);

}  // namespace brelvon
