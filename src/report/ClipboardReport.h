#pragma once

#include "survey/DriveTable.h"

#include <array>
#include <string>

namespace brelvon {

// The captions of the six column headings that the report repeats.
using ReportHeadingTexts = std::array<std::string, 6>;

// The plain-text report of a drive table: the window caption, the heading
// line, one TAB-separated line per row with sizes in megabytes, an empty line
// before and after every summary row, CRLF line ends. Widths count characters,
// not bytes; a text too long for its field is written whole.
[[nodiscard]] std::string BuildReport(const DriveTable& table, const std::string& caption,
                                      const ReportHeadingTexts& headings);

}  // namespace brelvon
