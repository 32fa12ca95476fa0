#pragma once

#include <cstdint>
#include <vector>

namespace brelvon {

// A text as a font engine drew it: the ink of each pixel, row by row, from 0
// (background) to 255 (the text's full colour).
struct InkBitmap {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Ink;
};

// The holes of a glyph: regions of background that its ink closes all round
// (an "8" has two, a "0" one, a dotted "0" one with an island in it), the ink
// taken where a pixel has at least half of it, the background joined only
// through pixels side by side.
[[nodiscard]] int HolesOf(const InkBitmap& glyph);

// The ink of a bitmap, in whole pixels' worth.
[[nodiscard]] double InkOf(const InkBitmap& text);

// A bitmap the font engine smoothed: a good part of its ink lies in pixels it
// only partly covers, which keeps the shape of details narrower than a pixel.
[[nodiscard]] bool SmoothedOf(const InkBitmap& text);

// Whether the digits a font draws at a small size can be told apart: drawn
// smoothed, or each digit with as many holes as the same font draws it with
// at a large size. A font engine that fits outlines to whole pixels without
// smoothing can join a dotted zero's dot to its sides, and the zero then
// reads as an eight. `small` and `large` hold the same digits in the same order.
[[nodiscard]] bool DigitsStayDistinct(const std::vector<InkBitmap>& small, const std::vector<InkBitmap>& large);

// Whether a bold text looks bold beside the same text drawn regular at the
// same size: at least a fifth more ink. At a few pixels a font engine may
// draw bold strokes one pixel wide, as regular ones.
[[nodiscard]] bool StaysBold(const InkBitmap& bold, const InkBitmap& regular);

}  // namespace brelvon
