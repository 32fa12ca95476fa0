#pragma once

#include "os/windows/VolumeFacts.h"

#include <functional>
#include <optional>

namespace brelvon {

// Asks the volume behind a drive letter for its label, file system and sizes.
// nullopt when the drive is not ready: no medium, an unreadable or
// unformatted medium, a share that does not answer, or a total size of 0.
using VolumeProbe = std::function<std::optional<VolumeFacts>(char letter)>;

// The volume probe of this machine: GetVolumeInformationW and
// GetDiskFreeSpaceExW on "X:\", with system error dialogs turned off for the
// calling thread while they run. Touches the medium; may be slow (spinning up
// a disk, waiting for a share).
[[nodiscard]] std::optional<VolumeFacts> QueryVolume(char letter);

}  // namespace brelvon
