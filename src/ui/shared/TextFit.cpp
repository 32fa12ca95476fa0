#include "ui/shared/TextFit.h"

namespace brelvon {

double FittingPointSize(double pointSize, double available, const std::function<double(double size)>& widestWordAt)
{
    if (available <= 0 || pointSize <= 0 || widestWordAt(pointSize) <= available) return pointSize;
    for (double size = pointSize - FitPointStep; size >= MinimumFitPointSize; size -= FitPointStep) {
        if (widestWordAt(size) <= available) return size;
    }
    return MinimumFitPointSize;
}

}  // namespace brelvon
