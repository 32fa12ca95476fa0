#include "ui/shared/TextFit.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace brelvon {

double FittingPointSize(double pointSize, double available, const std::function<double(double size)>& widestWordAt)
{
    if (available <= 0 || pointSize <= 0) return pointSize;
    const double full = widestWordAt(pointSize);
    if (full <= available) return pointSize;

    // The sizes to try, largest first, made by the same subtractions as a
    // walk down from pointSize would make them.
    std::vector<double> sizes;
    for (double size = pointSize - FitPointStep; size >= MinimumFitPointSize; size -= FitPointStep) {
        sizes.push_back(size);
    }
    if (sizes.empty()) return MinimumFitPointSize;

    // A font measures every size it is asked for anew, so rather than walk
    // down step by step the search starts where the width in proportion to
    // the size puts it, and walks from there: words do not get narrower as
    // the size grows, so the first size that fits with the one above it not
    // fitting is the largest that fits.
    const auto fits = [&](std::size_t index) { return widestWordAt(sizes[index]) <= available; };
    const double guess = pointSize * available / full;
    std::size_t index = std::min(
        sizes.size() - 1, static_cast<std::size_t>(std::max(0.0, std::ceil((pointSize - guess) / FitPointStep) - 1)));
    if (fits(index)) {
        while (index > 0 && fits(index - 1)) --index;
        return sizes[index];
    }
    for (++index; index < sizes.size(); ++index) {
        if (fits(index)) return sizes[index];
    }
    return MinimumFitPointSize;
}

}  // namespace brelvon
