#pragma once

#include <functional>

namespace brelvon {

// The smallest size a word too wide for its label is drawn at, and the steps
// by which the size shrinks towards it.
inline constexpr double MinimumFitPointSize = 6.0;
inline constexpr double FitPointStep = 0.25;

// The point size a label's text is drawn at so that its widest word fits in
// `available` pixels. Labels wrap at word boundaries, but a single word wider
// than the label would be cut: such a text is drawn at the largest size below
// `pointSize`, in steps of FitPointStep, at which the widest word fits, never
// below MinimumFitPointSize. `widestWordAt(size)` measures the widest word of
// the text in pixels at a point size; a word must not be narrower at a larger
// size, which lets the search measure a few sizes near the answer rather than
// every size above it (each new size costs a font engine). Nothing to fit in
// (available <= 0) or no size (pointSize <= 0) keeps `pointSize`.
[[nodiscard]] double FittingPointSize(double pointSize, double available,
                                      const std::function<double(double size)>& widestWordAt);

}  // namespace brelvon
