#pragma once

#include "platform/ApplicationFacts.h"
#include "platform/Control.h"
#include "platform/Form.h"

#include <string>

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

    // The maker's name and web address joined by " - "; the name alone when
    // no address was set at build time.
    [[nodiscard]] static std::string MakerLine();
};

}  // namespace brelvon
