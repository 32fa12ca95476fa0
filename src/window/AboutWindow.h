#pragma once

#include "model/ApplicationFacts.h"
#include "model/Control.h"
#include "model/Form.h"

#include <string>
#include <string_view>

namespace brelvon {

// The small window that names the program, its version and release date, and
// its maker. Creating it loads it: its texts are filled at once.
class AboutWindow final : public Form {
public:
    static constexpr int ClientWidth = 3615;
    static constexpr int ClientHeight = 1125;
    static constexpr const char* ReleaseDate = "02/12/2010";

    explicit AboutWindow(const ApplicationFacts& application);

    Control picIcon;
    Control lblTitle;
    Control lblVersion;
    Control lblAuthor;

    // The maker's line of this build, from the maker's name and web address
    // set when the program was configured.
    [[nodiscard]] static std::string MakerLine();
    // The name and the address joined by " - "; the name alone when there is
    // no address, so that a build without one shows no dangling separator.
    [[nodiscard]] static std::string JoinMakerLine(std::string_view name, std::string_view address);
};

}  // namespace brelvon
