#pragma once

#include <functional>
#include <string>

namespace brelvon {

// The text with every narrow or thin space (U+202F, U+2009, U+200A, U+2008,
// U+2007) that the face lacks turned into a space the face has: its no-break
// space, else a plain space. A face that lacks a character draws it from
// another face, whose other line height moves the whole text off the
// baseline of its neighbours; the face's own space keeps every number of a
// column on one line. `faceHas(c)` tells whether the face itself draws the
// code point c. Text without such spaces comes back unchanged.
[[nodiscard]] std::string WithSpacesTheFaceHas(const std::string& text, const std::function<bool(char32_t)>& faceHas);

}  // namespace brelvon
