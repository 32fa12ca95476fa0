#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brelvon {

// Decodes udev's escapes (as in ID_FS_LABEL_ENC and /dev/disk/by-label names):
// "\xHH" is the byte HH; any other backslash is kept.
[[nodiscard]] std::string DecodeUdevEscapes(std::string_view encoded);

// The name a volume shows: its label, or its mount point when it has none
// (a missing or empty label), cleaned by CleanLabel().
[[nodiscard]] std::string VolumeNameOf(const std::optional<std::string>& label, const std::string& mountPoint);

}  // namespace brelvon
