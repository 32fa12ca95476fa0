#pragma once

#include <stdexcept>
#include <string>

namespace brelvon {

// An error raised by a platform service (drives, clipboard, locale). The program
// never handles one itself: it abandons the refresh and the event that started it
// and reaches the platform's unhandled-error hook.
class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace brelvon
