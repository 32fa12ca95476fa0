#pragma once

#include "drives/DriveService.h"
#include "os/windows/BusyLetters.h"
#include "os/windows/VolumeQuery.h"

#include <chrono>
#include <functional>
#include <memory>

namespace brelvon {

// The type of the drive at a letter.
using DriveTypeQuery = std::function<DriveType(char letter)>;

// GetDriveTypeW of "X:\". On Windows it answers from the system's table of
// drive letters; under Wine it asks the file system behind the letter, which
// a dead share never answers.
[[nodiscard]] DriveType QueryDriveType(char letter);

// The lettered drives of this Windows machine, from GetLogicalDrives, each
// with its type. A question that may block on a dead share runs on a worker
// thread and is given up after `limit`: the type of every letter, and the
// volume of a network drive when it is asked whether it is ready (see
// WindowsDrive). A letter whose type does not come in time is listed as a
// network drive that is not ready, since only a remote file system keeps
// that question waiting. A letter still busy with a question given up in an
// earlier survey (the same `busy`) is not asked again until that question
// returns; until then it is a network drive that is not ready. The volumes of
// other drives are asked on the calling thread, and only when the survey
// lists them.
class WindowsDriveService final : public DriveService {
public:
    explicit WindowsDriveService(VolumeProbe probe = QueryVolume, DriveTypeQuery typeOf = QueryDriveType,
                                 std::shared_ptr<BusyLetters> busy = std::make_shared<BusyLetters>(),
                                 std::chrono::milliseconds limit = SlowVolumeLimit);

    // Throws PlatformError when the system cannot list the drives.
    [[nodiscard]] std::vector<std::unique_ptr<Drive>> Drives() override;

private:
    VolumeProbe probe_;
    VolumeProbe networkProbe_;  // probe_ on a worker thread, within the limit
    DriveTypeQuery typeOf_;
    std::shared_ptr<BusyLetters> busy_;
    std::chrono::milliseconds limit_;
};

}  // namespace brelvon
