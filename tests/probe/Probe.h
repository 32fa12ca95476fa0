#pragma once

#include "refresh/MainForm.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace brelvon {

// Everything the probe prints about a window after start-up and the events:
// "controls" (every control by name, with its properties under their design
// names), "state", "table", "focus", "clipboard" and "ended", plus "error"
// when an error ended the program.
[[nodiscard]] nlohmann::json ProbeSnapshot(MainForm& form, const std::optional<std::string>& clipboard,
                                           const std::string& error);

// The properties of one control as the probe prints them.
[[nodiscard]] nlohmann::json ControlJson(const Control& control);

// Runs the probe on its arguments (without the program name). Returns the
// snapshot, or throws std::invalid_argument for unusable arguments and
// DriveFileError for an unusable drive file.
[[nodiscard]] nlohmann::json RunProbe(const std::vector<std::string>& arguments);

}  // namespace brelvon
