#include "ui/win32/GdiCache.h"

#include "os/windows/WideText.h"
#include "ui/shared/GlyphShapes.h"
#include "ui/shared/ShownText.h"
#include "ui/win32/DrawnInk.h"

#include <array>
#include <cmath>
#include <string_view>
#include <vector>

namespace brelvon {

namespace {

constexpr double PointsPerInch = 72.0;
constexpr double DefaultPointSize = 8.25;
// The digits whose shapes tell whether a font is legible at a size, and the
// size, as a multiple, at which their shapes are taken as the face draws them.
constexpr std::wstring_view Digits = L"0123456789";
constexpr double LargeScale = 4;

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

GdiCache::FontKey GdiCache::KeyOf(const std::string& face, double pointSize, bool bold, bool italic, int dpi)
{
    const double points = pointSize > 0 ? pointSize : DefaultPointSize;
    return {face, -static_cast<int>(std::lround(points * dpi / PointsPerInch)), bold, italic};
}

UniqueFont GdiCache::Made(const FontKey& key, BYTE quality)
{
    const WindowsFace windowsFace = WindowsFaceFor(key.Face);
    LOGFONTW description{};
    description.lfHeight = key.Height;
    description.lfWeight = key.Bold ? FW_BOLD : FW_NORMAL;
    description.lfItalic = key.Italic ? TRUE : FALSE;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_TT_PRECIS;
    description.lfQuality = quality;
    description.lfPitchAndFamily = windowsFace.PitchAndFamily;
    windowsFace.Name.copy(description.lfFaceName, LF_FACESIZE - 1);
    return UniqueFont(::CreateFontIndirectW(&description));
}

HFONT GdiCache::Font(const std::string& face, double pointSize, bool bold, bool italic, int dpi)
{
    FontKey key = KeyOf(face, pointSize, bold, italic, dpi);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second.get();

    UniqueFont font = Made(key, DEFAULT_QUALITY);
    // Without a font, text is drawn in the system font: worse, but shown.
    if (!font) return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (bold) {
        const InkBitmap regular = DrawnInk(Font(face, pointSize, false, italic, dpi), Digits);
        if (!StaysBold(DrawnInk(font.get(), Digits), regular)) {
            UniqueFont unsmoothed = Made(key, NONANTIALIASED_QUALITY);
            if (unsmoothed && StaysBold(DrawnInk(unsmoothed.get(), Digits), regular)) font = std::move(unsmoothed);
        }
    }
    HFONT handle = font.get();
    fonts_.emplace(std::move(key), std::move(font));
    return handle;
}

bool GdiCache::DigitsLegible(const std::string& face, double pointSize, bool bold, bool italic, int dpi)
{
    FontKey key = KeyOf(face, pointSize, bold, italic, dpi);
    auto found = legible_.find(key);
    if (found != legible_.end()) return found->second;

    HFONT font = Font(face, pointSize, bold, italic, dpi);
    HFONT large = Font(face, pointSize * LargeScale, bold, italic, dpi);
    std::vector<InkBitmap> small;
    std::vector<InkBitmap> reference;
    for (const wchar_t digit : Digits) {
        small.push_back(DrawnInk(font, {&digit, 1}));
        reference.push_back(DrawnInk(large, {&digit, 1}));
    }
    const bool legible =
        DigitsStayDistinct(small, reference) &&
        (!bold || StaysBold(DrawnInk(font, Digits), DrawnInk(Font(face, pointSize, false, italic, dpi), Digits)));
    legible_.emplace(std::move(key), legible);
    return legible;
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
