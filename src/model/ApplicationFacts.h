#pragma once

#include "model/Version.h"

#include <string>

namespace brelvon {

// What the application object tells the program about itself.
struct ApplicationFacts {
    std::string Title = "Brelvon";
    int Major = version::Major;
    int Minor = version::Minor;
    int Revision = version::Revision;
    // The program file's name without folder and extension.
    std::string ExeName = "Brelvon";
    // The command-line arguments after the program's path, joined with single blanks.
    std::string ArgumentText;

    // The minor number with the revision written directly after it: "3.45"
    // for major 3, minor 4, revision 5.
    [[nodiscard]] std::string VersionText() const
    {
        return std::to_string(Major) + "." + std::to_string(Minor) + std::to_string(Revision);
    }
};

}  // namespace brelvon
