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

// What a range of a cut text stands for in the whole text, so that copying a
// cell copies what the cell holds, not what fits of it. `shown` is `whole` as
// ElideToFit cut it; [start, end) are byte offsets in `shown`, at character
// boundaries. Where the range takes in the ellipsis it takes the characters
// the ellipsis stands for; the rest is copied as shown. A `shown` that is not
// a cut of `whole` stands for itself. Offsets past the end count as the end.
[[nodiscard]] std::string WholeOfShownRange(std::string_view whole, std::string_view shown, std::size_t start,
                                            std::size_t end);

// The same for a selection as window toolkits count it: [start, end) in
// UTF-16 code units of `shown`.
[[nodiscard]] std::string WholeOfShownSelection(std::string_view whole, std::string_view shown, std::size_t start,
                                                std::size_t end);

// What copying a cell copies: the selection [start, end), in UTF-16 code
// units of `shown`, as WholeOfShownSelection makes it, or the whole cell when
// nothing is selected (start == end); either without the blanks that pad the
// cell at its ends (" SYSTEM", "250,057 ").
[[nodiscard]] std::string CopiedCell(std::string_view whole, std::string_view shown, std::size_t start,
                                     std::size_t end);

}  // namespace brelvon
