#include "ui/win32/DrawnInk.h"

#include "ui/win32/Handles.h"

#include <cstdint>

namespace brelvon {

InkBitmap DrawnInk(HFONT font, std::wstring_view text)
{
    const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!dc || text.empty()) return {};
    const SelectedObject selected(dc.get(), font);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc.get(), text.data(), static_cast<int>(text.size()), &extent);
    // A margin all round: italic and bold strokes may reach past the extent.
    const int margin = extent.cy / 2 + 2;
    InkBitmap ink{extent.cx + 2 * margin, extent.cy + 2 * margin, {}};

    BITMAPINFO description{};
    description.bmiHeader.biSize = sizeof description.bmiHeader;
    description.bmiHeader.biWidth = ink.Width;
    description.bmiHeader.biHeight = -ink.Height;  // top row first
    description.bmiHeader.biPlanes = 1;
    description.bmiHeader.biBitCount = 32;
    description.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const UniqueBitmap bitmap(::CreateDIBSection(dc.get(), &description, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) return {};
    const SelectedObject drawnOn(dc.get(), bitmap.get());
    RECT all{0, 0, ink.Width, ink.Height};
    ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SetTextColor(dc.get(), RGB(0, 0, 0));
    ::SetBkMode(dc.get(), TRANSPARENT);
    ::TextOutW(dc.get(), margin, margin, text.data(), static_cast<int>(text.size()));
    ::GdiFlush();

    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    ink.Ink.resize(static_cast<std::size_t>(ink.Width) * ink.Height);
    for (std::size_t i = 0; i < ink.Ink.size(); ++i) {
        const std::uint32_t pixel = pixels[i];
        // Sub-pixel smoothing colours the edges: the ink is what the three colours lack on average.
        const unsigned light = ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF);
        ink.Ink[i] = static_cast<std::uint8_t>(255 - light / 3);
    }
    return ink;
}

}  // namespace brelvon
