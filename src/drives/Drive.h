#pragma once

#include "drives/DriveType.h"

#include <cstdint>
#include <optional>
#include <string>

namespace brelvon {

// Facts about a drive that the window does not show but a user may want
// (the terminal front end's JSON). Empty strings and nullopt mean "unknown".
struct DriveDetails {
    std::string MountPoint;
    std::string Device;
    std::string FileSystem;
    std::optional<std::uint64_t> AvailableBytes;  // space left to this user
};

// Why a drive is not ready, as far as its service can tell.
struct NotReadyReason {
    enum class Kind {
        NoMedium,     // an empty drive bay or card reader, a drive without a disc
        NoAnswer,     // the file system did not answer in time
        SystemError,  // the system refused; Text holds its own words
    };
    Kind What = Kind::SystemError;
    std::string Text;  // SystemError only: the system's error text, UTF-8

    friend bool operator==(const NotReadyReason&, const NotReadyReason&) = default;
};

// One drive as a drive service reports it.
//
// Contract: Type() and Letter() may be asked of every drive. IsReady() is asked
// before any of VolumeName(), TotalSize(), FreeSpace() and Details(), and those
// are only asked of a drive that answered true; WhyNotReady() only of one that
// answered false. An implementation may do its (possibly slow) measuring in
// IsReady(). Any operation may throw PlatformError.
class Drive {
public:
    virtual ~Drive() = default;

    [[nodiscard]] virtual DriveType Type() const = 0;
    // One upper-case letter A to Z.
    [[nodiscard]] virtual char Letter() const = 0;
    [[nodiscard]] virtual bool IsReady() = 0;
    // The volume label; may be empty.
    [[nodiscard]] virtual std::string VolumeName() = 0;
    // Bytes of the whole volume.
    [[nodiscard]] virtual std::uint64_t TotalSize() = 0;
    // Free bytes of the whole volume, not only those left to one user.
    [[nodiscard]] virtual std::uint64_t FreeSpace() = 0;
    [[nodiscard]] virtual DriveDetails Details() = 0;
    // Why the drive is not ready; nullopt where the service cannot tell.
    [[nodiscard]] virtual std::optional<NotReadyReason> WhyNotReady() { return std::nullopt; }
};

}  // namespace brelvon
