#pragma once

#include <compare>
#include <string>

namespace brelvon {

// A block or anonymous device number as the kernel writes it: major:minor.
struct DeviceNumber {
    unsigned Major = 0;
    unsigned Minor = 0;

    friend constexpr auto operator<=>(const DeviceNumber&, const DeviceNumber&) = default;

    [[nodiscard]] std::string ToString() const { return std::to_string(Major) + ":" + std::to_string(Minor); }
};

}  // namespace brelvon
