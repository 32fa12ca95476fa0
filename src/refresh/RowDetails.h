#pragma once

#include "survey/DriveTable.h"
#include "text/NumberLocale.h"
#include "window/MainWindow.h"

#include <optional>
#include <string>

namespace brelvon {

// What a row of the drive table tells beyond its cells, for a window binding
// to show when the pointer rests on the row and to act on when it is double
// clicked. Every binding calls these, so that they all say the same.

// The tool tip of row i (1 to table.DriveRowCount) in the window's language,
// one fact a line. The first line is the whole label: "C: SYSTEM" for a drive
// ("C:" without a label), the category or total word for a summary row. Then,
// for a ready drive, its mount point, device and file system where known and
// the space available to the user in the window's unit; for a drive that is
// not ready, why, where its service knew; for a subtotal or the total, the
// letters of the drives it adds up. Empty for a row the table does not have.
[[nodiscard]] std::string RowToolTip(const DriveTable& table, int i, const MainWindow& window,
                                     const NumberLocale& locale);

// The folder that a double click on row i opens: the mount point of a ready
// drive. nullopt for a drive that is not ready or whose mount point is
// unknown, for summary rows, and for a row the table does not have.
[[nodiscard]] std::optional<std::string> FolderOfRow(const DriveTable& table, int i);

// The line that a drive row's tool tip ends with once a double click found no
// program to open folders with, in the window's language.
[[nodiscard]] std::string NoFolderOpenerLine(const MainWindow& window);

}  // namespace brelvon
