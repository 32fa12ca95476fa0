#pragma once

#include "model/Control.h"
#include "model/Form.h"

#include <functional>

namespace brelvon {

// How a window taller than the screen stays whole: its height is cut to what
// the screen gives it, and the band between its top and bottom strips (the
// table rows) scrolls, while both strips stay in view.
struct BandFit {
    int ClientHeight = 0;  // the client height the window gets
    int BandHeight = 0;    // how much of the band shows at once
    int Shift = 0;         // how far the controls below the band move up

    [[nodiscard]] bool Scrolls() const { return Shift > 0; }
    friend bool operator==(const BandFit&, const BandFit&) = default;
};

// `clientHeight` is the window's own client height, `available` the most the
// screen gives its client area, and the band runs from `bandTop` to
// `bandBottom` (all in one unit). A window that fits, or a screen that gives
// nothing (available <= 0), is left as it is. Otherwise the band loses what
// the window is too tall by, but shows at least `minimumBand` (or the whole
// band when it is smaller), so that a tiny screen still shows a row.
[[nodiscard]] BandFit FitBandToScreen(int clientHeight, int available, int bandTop, int bandBottom, int minimumBand);

// Where the band lies in the window, in pixels at `dpi`: from the top of the
// highest to the bottom of the lowest control that `inBand` picks among those
// the window holds itself (a frame's are never in the band). {0, 0} when it
// picks none.
struct BandExtent {
    int Top = 0;
    int Bottom = 0;
};
[[nodiscard]] BandExtent ExtentOfBand(const Form& form, const std::function<bool(const Control&)>& inBand, int dpi);

}  // namespace brelvon
