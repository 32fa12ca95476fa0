#include "ui/win32/GdiCache.h"

#include "os/windows/WideText.h"
#include "ui/shared/ShownText.h"

#include <array>
#include <cmath>

namespace brelvon {

namespace {

constexpr double PointsPerInch = 72.0;
constexpr double DefaultPointSize = 8.25;

struct KnownFace {
    std::string_view Model;
    const wchar_t* Windows;
    BYTE PitchAndFamily;
};

constexpr std::array<KnownFace, 5> KnownFaces{{
    {"MS Sans Serif", L"Microsoft Sans Serif", VARIABLE_PITCH | FF_SWISS},
    {"Arial", L"Arial", VARIABLE_PITCH | FF_SWISS},
    {"Courier New", L"Courier New", FIXED_PITCH | FF_MODERN},
    {"Times New Roman", L"Times New Roman", VARIABLE_PITCH | FF_ROMAN},
    {SymbolFace, L"Times New Roman", VARIABLE_PITCH | FF_ROMAN},
}};

}  // namespace

WindowsFace WindowsFaceFor(const std::string& modelFace)
{
    for (const KnownFace& known : KnownFaces) {
        if (modelFace == known.Model) return {known.Windows, known.PitchAndFamily};
    }
    return {WideFromUtf8(modelFace)};
}

HFONT GdiCache::Font(const std::string& face, double pointSize, bool bold, bool italic, int dpi)
{
    const double points = pointSize > 0 ? pointSize : DefaultPointSize;
    FontKey key{face, -static_cast<int>(std::lround(points * dpi / PointsPerInch)), bold, italic};
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second.get();

    const WindowsFace windowsFace = WindowsFaceFor(face);
    LOGFONTW description{};
    description.lfHeight = key.Height;
    description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    description.lfItalic = italic ? TRUE : FALSE;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_TT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = windowsFace.PitchAndFamily;
    windowsFace.Name.copy(description.lfFaceName, LF_FACESIZE - 1);
    UniqueFont font(::CreateFontIndirectW(&description));
    HFONT handle = font.get();
    // Without a font, text is drawn in the system font: worse, but shown.
    if (handle == nullptr) return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    fonts_.emplace(std::move(key), std::move(font));
    return handle;
}

HBRUSH GdiCache::Brush(Rgb color)
{
    const COLORREF value = ColorOf(color);
    auto& brush = brushes_[value];
    if (!brush) brush.reset(::CreateSolidBrush(value));
    return brush.get();
}

HPEN GdiCache::Pen(Rgb color)
{
    const COLORREF value = ColorOf(color);
    auto& pen = pens_[value];
    if (!pen) pen.reset(::CreatePen(PS_SOLID, 1, value));
    return pen.get();
}

}  // namespace brelvon
