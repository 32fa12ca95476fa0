#pragma once

#include "model/Clipboard.h"
#include "ui/win32/Handles.h"

namespace brelvon {

// The system clipboard as Unicode text (CF_UNICODETEXT), the report's text
// unchanged, CRLF line ends included. It is owned by a message-only window
// of its own, so it can be filled before any window is shown. Either
// operation throws PlatformError when the clipboard cannot be opened (another
// program holding it for long) or filled.
class Win32Clipboard final : public Clipboard {
public:
    Win32Clipboard();

    void Clear() override;
    void SetText(const std::string& text) override;

private:
    UniqueWindow owner_;
};

}  // namespace brelvon
