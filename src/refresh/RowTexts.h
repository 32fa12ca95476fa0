#pragma once

#include "survey/DriveTable.h"
#include "text/NumberLocale.h"
#include "window/MainWindow.h"

#include <cstdint>
#include <string>

namespace brelvon {

// Megabytes as a size cell writes them, without its trailing spaces: whole
// megabytes ("###,###,##0"), or gigabytes with one decimal ("#,##0.0").
[[nodiscard]] std::string SizeInUnit(std::int64_t megabytes, bool inMegabytes, const NumberLocale& locale);

// The six cell texts of row i in the selected unit. A row that is not ready
// (whatever its label reads), and any row whose total is 0 MB, shows dashes instead of sizes and hides its
// limit markers.
void WriteRowTexts(MainWindow& window, int i, const DriveTableRow& row, const NumberLocale& locale);

}  // namespace brelvon
