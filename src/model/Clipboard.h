#pragma once

#include <string>

namespace brelvon {

// The system clipboard as the report needs it. Either operation may throw PlatformError.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void Clear() = 0;
    // Replaces the whole content with plain UTF-8 text.
    virtual void SetText(const std::string& text) = 0;
};

}  // namespace brelvon
