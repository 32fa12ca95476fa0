#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace brelvon {

// The text the switches are searched in: the argument text, or the program
// file's name when there are no arguments.
[[nodiscard]] std::string_view SwitchText(std::string_view argumentText, std::string_view exeName);

// Whether the switch occurs in the text: a case-sensitive search anywhere,
// the text is never split into words.
[[nodiscard]] bool HasSwitch(std::string_view switchText, std::string_view name);

// A number switch such as "-Mn" followed by a number.
struct LimitSwitch {
    bool Occurs = false;      // the name occurs in the text
    bool ReadNumber = false;  // one of the candidates after it was a number
    std::int16_t Value = -1;  // the limit after the clamp; -1 when the name does not occur
};

// Reads a number switch: behind the first occurrence of its name, the 1, 2 and
// 3 characters are tried in turn; each that is a number (blanks around an
// optional sign and decimal digits) replaces the value, so the longest wins.
// Whenever the name occurs the value is clamped to 0..100, so a name followed
// by no number gives 0.
[[nodiscard]] LimitSwitch ReadLimitSwitch(std::string_view switchText, std::string_view name);

// Blanks around an optional sign and one or more decimal digits; the integer it reads as.
[[nodiscard]] std::optional<long> ReadSwitchNumber(std::string_view candidate);

}  // namespace brelvon
