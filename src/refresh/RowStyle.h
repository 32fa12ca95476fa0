#pragma once

#include "survey/DriveTable.h"
#include "window/MainWindow.h"

#include <cstdint>

namespace brelvon {

struct RowStyleLimits {
    std::int16_t BlueLimit = 0;
    std::int16_t RedLimit = 0;
};

enum class RowStyle { StylePlain, StyleNotReady, StyleBlue, StyleRed, StyleSummary };

// Not ready (the row's flag, never its label) wins; otherwise a drive row below the blue limit is blue, above
// the red limit red (red when both hold), and a summary row is a summary.
[[nodiscard]] RowStyle ChooseRowStyle(const DriveTableRow& row, RowStyleLimits limits);

// Resets the row's colours and faces, then applies its style to the cells,
// the bar and, for a summary row, the bar background.
void StyleRow(MainWindow& window, int i, const DriveTableRow& row, RowStyleLimits limits);

}  // namespace brelvon
