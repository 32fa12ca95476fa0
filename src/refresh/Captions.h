#pragma once

#include "survey/LanguageWords.h"
#include "window/MainWindow.h"

namespace brelvon {

// The words of the selected language for the drive table: English while
// OptLang(1) is selected, French otherwise.
[[nodiscard]] LanguageWords ChooseLanguageWords(const MainWindow& window);

// Writes every language-dependent caption of the selected language and moves
// the few controls whose place depends on it. Positions come from the Left
// values saved in the Tags at start-up, so a pass gives the same result
// however often it runs, and English restores the window as created.
void ApplyCaptions(MainWindow& window);

}  // namespace brelvon
