#include "refresh/Thresholds.h"

#include "model/Rounding.h"

namespace brelvon {

namespace {

constexpr const char* DefaultBlueText = "15";
constexpr const char* DefaultRedText = "85";
constexpr Rgb MarkerBlue{0, 0, 255};
constexpr Rgb MarkerRed{255, 0, 0};
constexpr int BlueMarkerEndGap = 30;   // at 100 % the blue marker stands this far left of the end
constexpr int RedMarkerStartGap = 40;  // at 0 % the red marker stands this far right of the start
constexpr int RedMarkerEndGap = 15;

// No number or below 0 gives "0", above 100 gives "100".
void CorrectRange(Control& box, const NumberLocale& locale)
{
    const auto value = LimitValue(box.Text, locale);
    if (!value || *value < 0) {
        box.Text = "0";
    } else if (*value > 100) {
        box.Text = "100";
    }
}

std::int16_t Whole(double x) { return static_cast<std::int16_t>(RoundHalfToEven(x)); }

}  // namespace

std::optional<double> LimitValue(const std::string& text, const NumberLocale& locale)
{
    const auto value = locale.Parse(text);
    if (!value) return std::nullopt;
    return RoundHalfToEven(*value);
}

MarkerPositions ApplyThresholds(MainWindow& window, bool firstRefresh, std::int16_t cmdBlueLimit,
                                std::int16_t cmdRedLimit, std::int16_t& blueLimit, std::int16_t& redLimit,
                                const NumberLocale& locale)
{
    Control& blue = window.TextBlue;
    Control& red = window.TextRed;
    auto value = [&locale](const Control& box) { return LimitValue(box.Text, locale); };

    if (firstRefresh) {
        blue.Text = cmdBlueLimit == -1 ? DefaultBlueText : std::to_string(cmdBlueLimit);
        CorrectRange(blue, locale);
        red.Text = cmdRedLimit == -1 ? DefaultRedText : std::to_string(cmdRedLimit);
        CorrectRange(red, locale);
        if (*value(red) < *value(blue)) blue.Text = red.Text;
    } else {
        // A text that still reads as the stored limit is the user's or ours
        // from before, and keeps its form (a typed 14.5 stays while the limit is 14).
        if (const auto typed = value(blue); !typed || *typed != blueLimit) {
            CorrectRange(blue, locale);
            if (const auto other = value(red); other && *other < *value(blue)) blue.Text = red.Text;
        }
        if (const auto typed = value(red); !typed || *typed != redLimit) {
            CorrectRange(red, locale);
            if (*value(red) < *value(blue)) red.Text = blue.Text;
        }
        // Pulling blue to a typed red can leave blue below 0 (red "-5" becomes
        // "0" only afterwards): correct it too, so that no row is judged
        // against a negative limit.
        if (*value(blue) < 0) blue.Text = "0";
        if (*value(blue) > *value(red)) blue.Text = red.Text;
    }
    blueLimit = Whole(*value(blue));
    redLimit = Whole(*value(red));
    return PlaceLimitMarkers(window, blueLimit, redLimit);
}

MarkerPositions PlaceLimitMarkers(MainWindow& window, std::int16_t blueLimit, std::int16_t redLimit)
{
    const Control& background = window.Lab2(1);
    const int left = background.Left;
    const int width = background.Width;
    const int top = background.Top + MarkerInset;
    const int bottom = background.Top + background.Height - MarkerInset;

    window.ButBlueMin.Enabled = blueLimit != 0;
    window.ButBlueMax.Enabled = blueLimit < redLimit;
    Control& blueMarker = window.Lin1(1);
    blueMarker.BorderColor = blueLimit != 0 && blueLimit != redLimit ? MarkerBlue : colors::Black;
    std::int16_t blueX = Whole(blueLimit / 100.0 * width + left);
    if (blueX <= left) blueX = static_cast<std::int16_t>(left);
    if (width + left <= blueX) blueX = Whole(width + left - BlueMarkerEndGap);
    blueMarker.X1 = blueX;
    blueMarker.X2 = blueX;
    blueMarker.Y1 = top;
    blueMarker.Y2 = bottom;

    window.ButRedMin.Enabled = blueLimit < redLimit;
    window.ButRedMax.Enabled = redLimit != 100;
    Control& redMarker = window.Lin2(1);
    redMarker.BorderColor = redLimit != 100 && redLimit != blueLimit ? MarkerRed : colors::Black;
    std::int16_t redX = Whole(redLimit / 100.0 * width + left);
    if (redX <= left) redX = static_cast<std::int16_t>(left + RedMarkerStartGap);
    if (width + left <= redX) redX = static_cast<std::int16_t>(width + left - RedMarkerEndGap);
    redMarker.X1 = redX;
    redMarker.X2 = redX;
    redMarker.Y1 = top;
    redMarker.Y2 = bottom;

    return {blueX, redX};
}

void StepLimit(Control& textBox, bool up, const NumberLocale& locale)
{
    const double x = locale.Parse(textBox.Text).value_or(0.0);
    if (up) {
        textBox.Text = x >= 95 ? "100" : locale.FormatGeneral(x + 5);
    } else {
        textBox.Text = x > 5 ? locale.FormatGeneral(x - 5) : "0";
    }
}

}  // namespace brelvon
