#pragma once

#include "model/Control.h"
#include "ui/win32/GdiCache.h"

#include <windows.h>

namespace brelvon {

// What one paint of a window's surface draws with.
struct Canvas {
    HDC Dc = nullptr;
    int Dpi = 96;
    GdiCache& Gdi;
};

// The pixels a control covers on its surface (for a line, its end points
// and what lies between).
[[nodiscard]] RECT AreaOf(const Control& control, int dpi);

// A label as the window model describes it, drawn at its place: its text in
// its font, colour and alignment from the top, wrapped between words and cut
// at the label's edges; a word too wide for the label is drawn smaller (see
// FittingPointSize), fitting `fitWidth` twips when that is given (see
// SharedFitWidths), else the label's width; a filled background when opaque,
// none when transparent (what was drawn before shows through); a black
// single-line border when bordered.
void PaintLabel(Canvas& canvas, const Control& label, int fitWidth);

// A line one pixel wide between its two end points, both ends drawn.
void PaintLine(Canvas& canvas, const Control& line);

// A picture box: a sunken edge with `icon` (`iconSize` pixels square) a
// little inside its top-left corner.
void PaintPicture(Canvas& canvas, const Control& picture, HICON icon, int iconSize);

// A command button whose face has the model's colour rather than the
// system's: the system's raised or pushed edge, the face in the button's back
// colour, its caption in its font and fore colour (grey when disabled) and
// the focus mark when the keyboard focus is on it.
void PaintButton(Canvas& canvas, const DRAWITEMSTRUCT& item, const Control& button);

}  // namespace brelvon
