#pragma once

#include <string>

namespace brelvon {

// The words of the selected language that the survey writes into the table.
struct LanguageWords {
    std::string NotReadyWord;  // label of a drive that is not ready
    std::string DrivesWord;    // label of the total row
    std::string FixedWord;     // name of the fixed and RAM-disk category
};

}  // namespace brelvon
