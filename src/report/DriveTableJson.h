#pragma once

#include "survey/DriveTable.h"

#include <nlohmann/json.hpp>

#include <string>

namespace brelvon {

// The drive table as the terminal front end writes it with --json:
//   {"caption": "Brelvon v3.45",
//    "rows": [{"kind": "drive", "letter": "C", "label": "SYSTEM", "ready": true,
//              "totalMb": 250057, "freeMb": 100205, "usedMb": 149852, "percentUsed": 60,
//              "category": "Fixed", "mountPoint": "/", "device": "/dev/sda2",
//              "fileSystem": "ext4", "availableBytes": 87404544000}, ...]}
// Keys come in the order shown. Rows come in display order. "kind" is "drive", "subtotal" or "total".
// Summary rows have no letter (null) and no "ready" or detail keys; a subtotal's
// category is the one it closes, the total's is null. Sizes are whole decimal
// megabytes; they are null only in the total row of a table without drives.
// Detail keys are present on every drive row and null where the drive service
// does not know the value (always for a drive that is not ready).
[[nodiscard]] nlohmann::ordered_json DriveTableJson(const DriveTable& table, const std::string& caption);

}  // namespace brelvon
