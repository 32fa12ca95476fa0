#pragma once

#include "refresh/RowStyle.h"
#include "refresh/Thresholds.h"
#include "survey/DriveTable.h"
#include "text/NumberLocale.h"
#include "window/MainWindow.h"

#include <cstdint>

namespace brelvon {

// Before a new layout: the window returns to its start height and the bottom
// controls to their start places, hidden until PlaceBottomControls.
void ResetGeometry(MainWindow& window);

// Destroys the rows 2 and up that the previous refresh made (their number is
// kept in the Tag of TextRed).
void RemoveOldRows(MainWindow& window);

// One row of controls per table row: rows 2 and up are made from row 1 and
// placed below the row before, 150 twips further between categories and 300
// after a subtotal and before the last row. Fills the texts, sizes the bar,
// places the markers at the given positions and styles each row. With
// layoutPending the window grows by each added row's pitch. Returns that
// growth (0 without layoutPending).
std::int16_t LayOutRows(MainWindow& window, const DriveTable& table, RowStyleLimits limits, MarkerPositions markers,
                        bool layoutPending, const NumberLocale& locale);

// After a layout: the bottom controls move down by the window's growth and show again.
void PlaceBottomControls(MainWindow& window, std::int16_t addedHeight);

}  // namespace brelvon
