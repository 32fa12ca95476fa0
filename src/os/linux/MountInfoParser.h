#pragma once

#include "os/linux/MountEntry.h"
#include "os/linux/MountInfo.h"

#include <optional>
#include <string>
#include <string_view>

namespace brelvon {

// Decodes the kernel's escapes in a mountinfo field: a backslash followed by
// three octal digits (\040 space, \011 tab, \012 newline, \134 backslash) is
// that byte. Any other backslash is kept as it is.
[[nodiscard]] std::string DecodeMountInfoEscapes(std::string_view field);

// Parses one line of /proc/self/mountinfo (without its newline). Fields are
// separated by exactly one space, so an empty source shows as two spaces in a
// row. Everything after the source is the super options, spaces included.
// Returns nullopt for a line that does not have the layout
// "id parent maj:min root mountpoint options [optional...] - type source superoptions".
[[nodiscard]] std::optional<MountEntry> ParseMountInfoLine(std::string_view line);

// Parses a whole mountinfo text. Empty lines are ignored; other lines that do
// not parse are skipped and counted, never fatal.
[[nodiscard]] MountInfo ParseMountInfo(std::string_view text);

}  // namespace brelvon
