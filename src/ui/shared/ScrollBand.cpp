#include "ui/shared/ScrollBand.h"

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

}  // namespace brelvon
