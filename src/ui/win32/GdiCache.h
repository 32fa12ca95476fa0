#pragma once

#include "model/Control.h"
#include "ui/win32/Handles.h"

#include <map>
#include <string>

#include <windows.h>

namespace brelvon {

// The fonts, brushes and pens the windows draw with, each made once per
// description and kept for as long as the cache lives; a paint never makes
// one. The handles it returns belong to it.
class GdiCache {
public:
    // A face of the window description at a point size on a screen of `dpi`
    // dots per inch (see WindowsFace for the face that stands in).
    // A bold font whose strokes this system's font engine draws as thin as
    // the regular ones at that size (smoothing them, as Wine does for some
    // faces) is asked for without smoothing, which keeps its strokes whole
    // pixels wide, where that looks bold (see StaysBold).
    [[nodiscard]] HFONT Font(const std::string& face, double pointSize, bool bold, bool italic, int dpi);
    // Whether the digits of that font, as this system's font engine draws
    // them, can be told apart and, bold, look bold (see DigitsStayDistinct and
    // StaysBold); measured once per font.
    [[nodiscard]] bool DigitsLegible(const std::string& face, double pointSize, bool bold, bool italic, int dpi);
    // The font of a control: its face, size, bold and italic.
    [[nodiscard]] HFONT FontOf(const Control& control, int dpi)
    {
        return Font(control.FontName, control.FontSize, control.FontBold, control.FontItalic, dpi);
    }
    [[nodiscard]] HBRUSH Brush(Rgb color);
    // A solid pen one pixel wide.
    [[nodiscard]] HPEN Pen(Rgb color);

    [[nodiscard]] static COLORREF ColorOf(Rgb color) { return RGB(color.R, color.G, color.B); }

private:
    struct FontKey {
        std::string Face;
        int Height = 0;  // pixels, negative: the height of the characters without leading
        bool Bold = false;
        bool Italic = false;
        auto operator<=>(const FontKey&) const = default;
    };

    [[nodiscard]] static FontKey KeyOf(const std::string& face, double pointSize, bool bold, bool italic, int dpi);
    [[nodiscard]] static UniqueFont Made(const FontKey& key, BYTE quality);

    std::map<FontKey, UniqueFont> fonts_;
    std::map<FontKey, bool> legible_;
    std::map<COLORREF, UniqueBrush> brushes_;
    std::map<COLORREF, UniquePen> pens_;
};

// The Windows face that draws a font name of the window description, with the
// family Windows falls back on where that face is missing (Wine without
// Microsoft's fonts takes Liberation's by family). "MS Sans Serif", a bitmap
// face made for 96 dots per inch, is drawn in its outline twin "Microsoft
// Sans Serif", which scales to any resolution; "Symbol" in "Times New Roman",
// which has the Greek letters ShownText() turns its text into.
struct WindowsFace {
    std::wstring Name;
    BYTE PitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
};
[[nodiscard]] WindowsFace WindowsFaceFor(const std::string& modelFace);

}  // namespace brelvon
