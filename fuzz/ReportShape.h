#pragma once

#include "survey/DriveTable.h"

#include <optional>
#include <string>

namespace brelvon::fuzz {

// What is wrong with the layout of a clipboard report of `table`, or nullopt
// when it has the report's structure: CRLF after every line and no CR or LF
// inside one; the caption; a heading line; then, empty lines aside, exactly
// one line per row, each with six TABs, beginning with the row's letter (a
// blank for a summary), then its label padded with spaces, then its numbers.
// Whatever a label holds, it can only fill its own field.
[[nodiscard]] std::optional<std::string> ReportShapeProblem(const std::string& report, const DriveTable& table);

}  // namespace brelvon::fuzz
