#include "ui/shared/ScrollBand.h"

#include "model/Twips.h"

#include <algorithm>

namespace brelvon {

BandFit FitBandToScreen(int clientHeight, int available, int bandTop, int bandBottom, int minimumBand)
{
    const int band = std::max(0, bandBottom - bandTop);
    const int overflow = clientHeight - available;
    if (available <= 0 || overflow <= 0) return {clientHeight, band, 0};
    const int shown = std::max(band - overflow, std::min(minimumBand, band));
    const int shift = band - shown;
    return {clientHeight - shift, shown, shift};
}

BandExtent ExtentOfBand(const Form& form, const std::function<bool(const Control&)>& inBand, int dpi)
{
    BandExtent extent;
    bool any = false;
    form.ForEachControl([&](const Control& control) {
        if (control.Kind == ControlKind::Form || control.Container != nullptr || !inBand(control)) return;
        const PixelRect place =
            control.Kind == ControlKind::Line ? LinePixels(control, dpi) : ControlPixels(control, dpi);
        extent.Top = any ? std::min(extent.Top, place.Top) : place.Top;
        extent.Bottom = any ? std::max(extent.Bottom, place.Top + place.Height) : place.Top + place.Height;
        any = true;
    });
    return extent;
}

}  // namespace brelvon
