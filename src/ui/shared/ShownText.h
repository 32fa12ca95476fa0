#pragma once

#include "model/Control.h"

#include <string>
#include <string_view>

namespace brelvon {

// The font name whose text stands for Greek letters.
inline constexpr std::string_view SymbolFace = "Symbol";

// The text a control shows, as UTF-8 for a Unicode font. Text in the
// "Symbol" face stands for Greek letters, which that face draws at the places
// of the Latin ones ("S" is the sigma); a Unicode font needs the Greek
// letters themselves, so the binding draws them in a serif face.
[[nodiscard]] std::string ShownText(const Control& control);

// The Latin letters A to Z and a to z of a UTF-8 text turned into the Greek
// letters the "Symbol" face draws for them; everything else is kept.
[[nodiscard]] std::string SymbolLettersToGreek(std::string_view text);

}  // namespace brelvon
