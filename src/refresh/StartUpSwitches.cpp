#include "refresh/StartUpSwitches.h"

#include <algorithm>

namespace brelvon {

std::string_view SwitchText(std::string_view argumentText, std::string_view exeName)
{
    return argumentText.empty() ? exeName : argumentText;
}

bool HasSwitch(std::string_view switchText, std::string_view name)
{
    return switchText.find(name) != std::string_view::npos;
}

std::optional<long> ReadSwitchNumber(std::string_view candidate)
{
    while (!candidate.empty() && candidate.front() == ' ') candidate.remove_prefix(1);
    while (!candidate.empty() && candidate.back() == ' ') candidate.remove_suffix(1);
    bool negative = false;
    if (!candidate.empty() && (candidate.front() == '+' || candidate.front() == '-')) {
        negative = candidate.front() == '-';
        candidate.remove_prefix(1);
    }
    if (candidate.empty()) return std::nullopt;
    long value = 0;
    for (const char c : candidate) {
        if (c < '0' || c > '9') return std::nullopt;
        value = std::min(value * 10 + (c - '0'), 1'000'000L);  // candidates hold at most 3 characters
    }
    return negative ? -value : value;
}

LimitSwitch ReadLimitSwitch(std::string_view switchText, std::string_view name)
{
    LimitSwitch result;
    const auto at = switchText.find(name);
    if (at == std::string_view::npos) return result;
    result.Occurs = true;
    const std::string_view rest = switchText.substr(at + name.size());
    long value = -1;
    for (std::size_t length = 1; length <= 3; ++length) {
        if (length > rest.size()) break;
        if (const auto number = ReadSwitchNumber(rest.substr(0, length))) {
            value = *number;
            result.ReadNumber = true;
        }
    }
    result.Value = static_cast<std::int16_t>(std::clamp(value, 0L, 100L));
    return result;
}

}  // namespace brelvon
