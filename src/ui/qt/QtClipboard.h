#pragma once

#include "model/Clipboard.h"

namespace brelvon {

// The system clipboard through Qt: plain UTF-8 text on the clipboard proper
// (not the X11 primary selection). Needs a QGuiApplication. On X11 the text
// stays available while the program runs, or longer where a clipboard
// manager takes it over.
class QtClipboard final : public Clipboard {
public:
    void Clear() override;
    void SetText(const std::string& text) override;
};

}  // namespace brelvon
