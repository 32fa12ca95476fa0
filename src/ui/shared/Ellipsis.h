#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace brelvon {

// The ellipsis that stands for the characters left out.
inline constexpr std::string_view EllipsisMark = "\u2026";

// Whether a label is a path: after its leading blanks it starts with "/" or
// "\" (a mount point, "//server/share", "\\server\share").
[[nodiscard]] bool LooksLikePath(std::string_view text);

// The text cut so that it fits, as `fits` measures it; the text itself when it
// fits. The leading blanks stay. A path keeps its last part whole and is cut
// in the middle, before that part ("/media/ann/Pho…/2024"); any other text,
// and a path whose last part alone is too wide, is cut at the end ("A long
// lab…"). Cuts fall between UTF-8 characters, never inside one. When not even
// one character fits, the result is the leading blanks and the ellipsis.
[[nodiscard]] std::string ElideToFit(const std::string& text, const std::function<bool(const std::string&)>& fits);

}  // namespace brelvon
