#pragma once

#include "model/Clipboard.h"

#include <optional>
#include <string>

namespace brelvon {

// A clipboard held in memory, for the probe, the terminal front end and tests.
class MemoryClipboard final : public Clipboard {
public:
    void Clear() override { text_.reset(); }
    void SetText(const std::string& text) override { text_ = text; }

    // The text last set; nullopt when the clipboard is empty.
    [[nodiscard]] const std::optional<std::string>& Text() const { return text_; }

private:
    std::optional<std::string> text_;
};

}  // namespace brelvon
