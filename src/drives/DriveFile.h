#pragma once

#include "drives/DriveRecord.h"

#include <cstddef>
#include <cstdint>
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

// What a drive file may be; far above what 26 drives need (a few KB, three
// levels: the object, its "drives" array, a drive), so that only a file made
// by mistake or malice is refused.
inline constexpr std::uint64_t MaxDriveFileBytes = 16 * 1024 * 1024;
inline constexpr std::size_t MaxDriveFileDepth = 8;
// The characters of a bad value an error message quotes, "…" included.
inline constexpr std::size_t QuotedValueCharacters = 40;

// Reads the text of a JSON drive file (see os/SystemDriveFile.h):
//   {"drives": [{"letter": "C", "type": "fixed", "ready": true, "label": "SYSTEM",
//                "total": 250056704000, "free": 100204544000,
//                "mount": "/", "device": "/dev/sda2", "fs": "ext4", "available": 90000000000}]}
// "type" is a name (unknown, removable, fixed, network, cdrom, ramdisk) or a code 0 to 5;
// "ready" defaults to true; "label", "mount", "device", "fs" and "available" are optional;
// a drive that is not ready may say why in "reason": "no-medium", "no-answer" or the
// system's own error text;
// "total" and "free" are bytes, required for a ready drive. The result is in ascending
// letter order. The text is UTF-8, or UTF-16 (either byte order) that starts
// with a byte-order mark; UTF-8 may start with one too. Bytes that are not
// UTF-8 read as U+FFFD, and labels are cleaned as CleanLabel() says. Throws
// DriveFileError for a malformed text, before any value is built for nesting
// deeper than MaxDriveFileDepth; its message is one line, starting with
// `name`, that quotes at most QuotedValueCharacters of a bad value, control
// characters escaped.
[[nodiscard]] std::vector<DriveRecord> ParseDriveFile(std::string_view text, const std::string& name);

// What a reader of drive files knows of a file before it reads a byte.
struct DriveFileKind {
    bool Directory = false;
    bool Regular = false;
    std::uint64_t Bytes = 0;
};

// Throws DriveFileError, naming the file at `path`, unless a file of that kind
// may be read as a drive file: a regular file of at most MaxDriveFileBytes. A
// device or a FIFO may never end, nor a FIFO start.
void CheckDriveFileKind(const std::string& path, const DriveFileKind& kind);

}  // namespace brelvon
