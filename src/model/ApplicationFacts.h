#pragma once

#include <string>

namespace brelvon {

// What the application object tells the program about itself.
struct ApplicationFacts {
    std::string Title = "Brelvon";
    int Major = 1;
    int Minor = 2;
    int Revision = 6;
    // The program file's name without folder and extension.
    std::string ExeName = "Brelvon";
    // The command-line arguments after the program's path, joined with single blanks.
    std::string ArgumentText;

    // "1.26": the minor number with the revision written directly after it.
    [[nodiscard]] std::string VersionText() const
    {
        return std::to_string(Major) + "." + std::to_string(Minor) + std::to_string(Revision);
    }
};

}  // namespace brelvon
