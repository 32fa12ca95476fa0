#pragma once

#include "model/Control.h"
#include "model/Twips.h"

#include <QRect>

namespace brelvon {

// The model's twips as pixels of one screen, in Qt's rectangles (the rule
// itself is model/Twips.h, shared by every binding).
class TwipsScale {
public:
    explicit TwipsScale(int logicalDpi) : dpi_(logicalDpi) {}

    [[nodiscard]] int Dpi() const { return dpi_; }

    [[nodiscard]] int Pixels(int twips) const { return TwipsToPixels(twips, dpi_); }

    // The pixel rectangle of a control's Left, Top, Width and Height.
    [[nodiscard]] QRect Rect(const Control& control) const { return ToQRect(ControlPixels(control, dpi_)); }

    // The pixels a line covers, both end points included.
    [[nodiscard]] QRect LineRect(const Control& line) const { return ToQRect(LinePixels(line, dpi_)); }

private:
    static QRect ToQRect(const PixelRect& rect) { return {rect.Left, rect.Top, rect.Width, rect.Height}; }

    int dpi_;
};

}  // namespace brelvon
