#pragma once

#include "model/Control.h"

#include <algorithm>
#include <cmath>

namespace brelvon {

// Twips (1/1440 inch) to pixels of a screen of the given logical DPI, the one
// rule every window binding places controls by: pixels = twips × DPI / 1440,
// rounded to the nearest pixel. Each position and size is converted on its
// own, so a control's pixel rectangle depends only on its own twips, never on
// the order of conversions.
inline constexpr int TwipsPerInch = 1440;

[[nodiscard]] inline int TwipsToPixels(int twips, int dpi)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / TwipsPerInch));
}

// A rectangle in pixels.
struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    bool operator==(const PixelRect&) const = default;
};

// The pixel rectangle of a control's Left, Top, Width and Height.
[[nodiscard]] inline PixelRect ControlPixels(const Control& control, int dpi)
{
    return {TwipsToPixels(control.Left, dpi), TwipsToPixels(control.Top, dpi), TwipsToPixels(control.Width, dpi),
            TwipsToPixels(control.Height, dpi)};
}

// The pixels a line covers: from its leftmost to its rightmost end point and
// from its top to its bottom end point, both ends included.
[[nodiscard]] inline PixelRect LinePixels(const Control& line, int dpi)
{
    const int left = TwipsToPixels(std::min(line.X1, line.X2), dpi);
    const int right = TwipsToPixels(std::max(line.X1, line.X2), dpi);
    const int top = TwipsToPixels(std::min(line.Y1, line.Y2), dpi);
    const int bottom = TwipsToPixels(std::max(line.Y1, line.Y2), dpi);
    return {left, top, right - left + 1, bottom - top + 1};
}

}  // namespace brelvon
