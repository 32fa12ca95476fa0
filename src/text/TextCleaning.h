#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brelvon {

// Text as it may be shown: well-formed UTF-8. Every maximal ill-formed part
// (a stray continuation byte, a truncated or overlong sequence, a surrogate, a
// value beyond U+10FFFF) becomes one U+FFFD, as the Unicode standard
// recommends; well-formed text comes back unchanged.
[[nodiscard]] std::string ReplaceInvalidUtf8(std::string_view text);

// A volume label as every drive service hands it to the survey: well-formed
// UTF-8 (see ReplaceInvalidUtf8) in which every control character (U+0000 to
// U+001F, U+007F to U+009F) and the line and paragraph separators U+2028 and
// U+2029 are spaces, so that a label can neither break a line of the report nor
// add a field to it, nor send a terminal an escape sequence. The length in
// characters is kept: one U+FFFD or one space for each part replaced.
[[nodiscard]] std::string CleanLabel(std::string_view label);

// Text to quote in a message of one line: well-formed UTF-8 (see
// ReplaceInvalidUtf8) in which every control character and line separator (as
// CleanLabel counts them) is written as an escape ("\n", "\t", "\r",
// "\u001B"), so that nothing can break the line or reach a terminal as a
// command. When the result would be longer than `characters` characters, it is
// cut to that many, the last being "…".
[[nodiscard]] std::string QuoteForMessage(std::string_view text, std::size_t characters = std::string_view::npos);

// UTF-16 bytes without a byte-order mark, big- or little-endian, as UTF-8. An
// unpaired surrogate, and a last byte without its pair, become U+FFFD.
[[nodiscard]] std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian);

// The characters of UTF-8 text: its bytes that do not continue a character.
[[nodiscard]] std::size_t Utf8Length(std::string_view text);

// The first `characters` characters of UTF-8 text, each whole; the whole text
// when it is not longer.
[[nodiscard]] std::string_view Utf8Prefix(std::string_view text, std::size_t characters);

}  // namespace brelvon
