#pragma once

#include "os/linux/ClassifiedDrive.h"

#include <nlohmann/json.hpp>

#include <string_view>
#include <vector>

namespace brelvon {

// The drives the classification rules list for a mount table captured on some
// machine (the text of its /proc/self/mountinfo): every file system is taken to
// have a size, every mount point but rootfs's to be a directory, and nothing is
// known of its disks. In ascending letter order.
[[nodiscard]] std::vector<ClassifiedDrive> ClassifyCapturedMountInfo(std::string_view mountInfoText);

// Renders drives as [["C","/",2], ...]: letter, mount point (empty for a drive
// bay without a mounted medium) and type code. A mount point is a byte string
// that need not be UTF-8: dump the result with
// nlohmann::json::error_handler_t::replace.
[[nodiscard]] nlohmann::json ClassifiedDrivesToJson(const std::vector<ClassifiedDrive>& drives);

}  // namespace brelvon
