#pragma once

#include "model/Control.h"
#include "text/NumberLocale.h"
#include "window/MainWindow.h"

#include <cstdint>
#include <optional>
#include <string>

namespace brelvon {

// A limit marker stops this many twips short of the top and bottom of the
// bar background it crosses.
inline constexpr int MarkerInset = 15;

// Where the limit markers stand, in twips from the window's left edge.
struct MarkerPositions {
    std::int16_t BlueMarkerX = 0;
    std::int16_t RedMarkerX = 0;
};

// The value of a limit text: the text read as a number in the locale, rounded
// half to even; nullopt when it does not read as a number.
[[nodiscard]] std::optional<double> LimitValue(const std::string& text, const NumberLocale& locale);

// The threshold step of a refresh. On the first refresh the limit texts come
// from the command-line limits (-1 for none) or the defaults 15 and 85; on
// later ones the texts the user changed are corrected in place: no number or
// below 0 gives "0", above 100 gives "100", and a limit that crosses the other
// is pulled to it. Afterwards 0 <= blueLimit <= redLimit <= 100 always holds.
// Then the step buttons are enabled or disabled, and the markers of row 1 are
// coloured and placed across the bar background of row 1, 15 twips short of
// its top and bottom.
MarkerPositions ApplyThresholds(MainWindow& window, bool firstRefresh, std::int16_t cmdBlueLimit,
                                std::int16_t cmdRedLimit, std::int16_t& blueLimit, std::int16_t& redLimit,
                                const NumberLocale& locale);

// The second half of the threshold step, for limits already settled: enables
// or disables the step buttons, colours the markers of row 1 and places them
// across its bar background.
MarkerPositions PlaceLimitMarkers(MainWindow& window, std::int16_t blueLimit, std::int16_t redLimit);

// A step button: "+" adds 5 to the number in the box, writing "100" from 95 on;
// "-" takes 5 away, writing "0" at 5 and below. The fraction is kept (12.5 + 5
// gives "17.5"). A text that is no number counts as 0.
void StepLimit(Control& textBox, bool up, const NumberLocale& locale);

}  // namespace brelvon
