#pragma once

#include "drives/DriveFile.h"

#include <string>
#include <vector>

namespace brelvon {

// Reads the drive file at `path` (UTF-8 on every system) from this machine's
// file system, as ParseDriveFile() reads its text. Nothing but a regular file
// of at most MaxDriveFileBytes is read: anything else is refused without
// reading a byte, and without waiting (a FIFO without a writer, a console).
// Throws DriveFileError for a missing, unreadable or malformed file, its
// message one line that starts with the file's name.
[[nodiscard]] std::vector<DriveRecord> LoadDriveFile(const std::string& path);

}  // namespace brelvon
