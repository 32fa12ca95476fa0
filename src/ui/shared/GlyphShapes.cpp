#include "ui/shared/GlyphShapes.h"

#include <cstddef>
#include <utility>

namespace brelvon {

namespace {

constexpr std::uint8_t HalfInk = 128;
// Ink a pixel only partly covered by the text has: a smoothed edge, not the
// near-full or near-empty pixels a font engine may leave around solid strokes.
constexpr std::uint8_t LeastPartial = 32;
constexpr std::uint8_t MostPartial = 223;
// A bold text draws at least 6 pixels' worth of ink for every 5 of the regular one.
constexpr double BoldInk = 1.2;

}  // namespace

int HolesOf(const InkBitmap& glyph)
{
    const int width = glyph.Width;
    const int height = glyph.Height;
    if (width <= 0 || height <= 0 || glyph.Ink.size() != static_cast<std::size_t>(width) * height) return 0;
    // 0: background not reached yet, 1: ink or reached.
    std::vector<std::uint8_t> done(glyph.Ink.size());
    for (std::size_t i = 0; i < done.size(); ++i) done[i] = glyph.Ink[i] >= HalfInk ? 1 : 0;
    std::vector<std::pair<int, int>> pending;
    const auto fill = [&](int x, int y) {
        pending.emplace_back(x, y);
        while (!pending.empty()) {
            const auto [px, py] = pending.back();
            pending.pop_back();
            if (px < 0 || py < 0 || px >= width || py >= height) continue;
            std::uint8_t& pixel = done[static_cast<std::size_t>(py) * width + px];
            if (pixel != 0) continue;
            pixel = 1;
            pending.insert(pending.end(), {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}});
        }
    };
    // The background around the glyph: whatever the border reaches.
    for (int x = 0; x < width; ++x) {
        fill(x, 0);
        fill(x, height - 1);
    }
    for (int y = 0; y < height; ++y) {
        fill(0, y);
        fill(width - 1, y);
    }
    int holes = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (done[static_cast<std::size_t>(y) * width + x] != 0) continue;
            ++holes;
            fill(x, y);
        }
    }
    return holes;
}

double InkOf(const InkBitmap& text)
{
    double ink = 0;
    for (const std::uint8_t pixel : text.Ink) ink += pixel;
    return ink / 255.0;
}

bool SmoothedOf(const InkBitmap& text)
{
    std::size_t inked = 0;
    std::size_t partial = 0;
    for (const std::uint8_t pixel : text.Ink) {
        if (pixel == 0) continue;
        ++inked;
        if (pixel >= LeastPartial && pixel <= MostPartial) ++partial;
    }
    return inked > 0 && partial * 4 >= inked;
}

bool DigitsStayDistinct(const std::vector<InkBitmap>& small, const std::vector<InkBitmap>& large)
{
    if (small.size() != large.size()) return false;
    for (std::size_t i = 0; i < small.size(); ++i) {
        if (!SmoothedOf(small[i]) && HolesOf(small[i]) != HolesOf(large[i])) return false;
    }
    return true;
}

bool StaysBold(const InkBitmap& bold, const InkBitmap& regular) { return InkOf(bold) >= BoldInk * InkOf(regular); }

}  // namespace brelvon
