#pragma once

#include "platform/Control.h"

#include <QRect>

#include <algorithm>
#include <cmath>

namespace brelvon {

// Converts the model's twips (1/1440 inch) into pixels of a screen:
// pixels = twips × logical DPI / 1440, rounded to the nearest pixel. Every
// position and size is converted on its own, so a control's pixel rectangle
// depends only on its own twips, never on the order of conversions.
class TwipsScale {
public:
    explicit TwipsScale(int logicalDpi) : dpi_(logicalDpi) {}

    [[nodiscard]] int Dpi() const { return dpi_; }

    [[nodiscard]] int Pixels(int twips) const
    {
        return static_cast<int>(std::lround(static_cast<double>(twips) * dpi_ / TwipsPerInch));
    }

    // The pixel rectangle of a control's Left, Top, Width and Height.
    [[nodiscard]] QRect Rect(const Control& control) const
    {
        return {Pixels(control.Left), Pixels(control.Top), Pixels(control.Width), Pixels(control.Height)};
    }

    // The pixels a line covers: from its leftmost to its rightmost end point
    // and from its top to its bottom end point, both ends included.
    [[nodiscard]] QRect LineRect(const Control& line) const
    {
        const int left = Pixels(std::min(line.X1, line.X2));
        const int right = Pixels(std::max(line.X1, line.X2));
        const int top = Pixels(std::min(line.Y1, line.Y2));
        const int bottom = Pixels(std::max(line.Y1, line.Y2));
        return {left, top, right - left + 1, bottom - top + 1};
    }

private:
    static constexpr double TwipsPerInch = 1440.0;
    int dpi_;
};

}  // namespace brelvon
