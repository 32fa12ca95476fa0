#pragma once

#include "drives/DriveRecord.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace brelvon {

// A drive file that cannot be used. what() names the file and the problem in
// one line, such as "drives.json: drive 2: \"free\" is larger than \"total\"".
class DriveFileError : public std::runtime_error {
public:
    explicit DriveFileError(const std::string& what) : std::runtime_error(what) {}
};

// Reads a JSON drive file:
//   {"drives": [{"letter": "C", "type": "fixed", "ready": true, "label": "SYSTEM",
//                "total": 250056704000, "free": 100204544000,
//                "mount": "/", "device": "/dev/sda2", "fs": "ext4", "available": 90000000000}]}
// "type" is a name (unknown, removable, fixed, network, cdrom, ramdisk) or a code 0 to 5;
// "ready" defaults to true; "label", "mount", "device", "fs" and "available" are optional;
// a drive that is not ready may say why in "reason": "no-medium", "no-answer" or the
// system's own error text;
// "total" and "free" are bytes, required for a ready drive. The result is in ascending
// letter order. Bytes that are not UTF-8 read as U+FFFD, and labels are cleaned
// as CleanLabel() says. `path` is UTF-8 on every system. Throws DriveFileError
// for a missing or malformed file.
[[nodiscard]] std::vector<DriveRecord> LoadDriveFile(const std::string& path);

// The same for the text of a file; name is used in error messages.
[[nodiscard]] std::vector<DriveRecord> ParseDriveFile(std::string_view text, const std::string& name);

}  // namespace brelvon
