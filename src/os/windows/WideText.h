#pragma once

#include <string>
#include <string_view>

namespace brelvon {

// Windows speaks UTF-16 ("wide" text); the program holds text as UTF-8.
//
// Utf8FromWide: an unpaired surrogate becomes U+FFFD, so a damaged label
// still shows. WideFromUtf8: a byte that is not valid UTF-8 becomes U+FFFD.
// Both throw PlatformError only when the system cannot convert at all.
[[nodiscard]] std::string Utf8FromWide(std::wstring_view text);
[[nodiscard]] std::wstring WideFromUtf8(std::string_view text);

}  // namespace brelvon
