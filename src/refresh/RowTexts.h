#pragma once

#include "survey/DriveTable.h"
#include "survey/LanguageWords.h"
#include "text/NumberLocale.h"
#include "window/MainWindow.h"

namespace brelvon {

// The six cell texts of row i in the selected unit. A drive that is not ready,
// and any row whose total is 0 MB, shows dashes instead of sizes and hides its
// limit markers.
void WriteRowTexts(MainWindow& window, int i, const DriveTableRow& row, const LanguageWords& words,
                   const NumberLocale& locale);

}  // namespace brelvon
