#pragma once

#include "ui/shared/GlyphShapes.h"

#include <string_view>

#include <windows.h>

namespace brelvon {

// A text drawn in a font by the system's font engine, black on white as a
// screen shows it (smoothed or not, as the engine chooses for that font), and
// the ink of each pixel: the basis for judging what the engine makes of a
// font at a size (see GlyphShapes.h). Empty where the font draws nothing.
[[nodiscard]] InkBitmap DrawnInk(HFONT font, std::wstring_view text);

}  // namespace brelvon
