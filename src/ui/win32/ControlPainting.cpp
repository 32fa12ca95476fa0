#include "ui/win32/ControlPainting.h"

#include "model/Twips.h"
#include "os/windows/WideText.h"
#include "ui/shared/ShownText.h"
#include "ui/shared/TextFit.h"
#include "ui/win32/WindowDpi.h"

#include <algorithm>
#include <string>
#include <vector>

namespace brelvon {

namespace {

constexpr int PictureInset = 2;  // pixels at 96 dpi between a picture box's corner and its image

RECT ToRect(const PixelRect& pixels)
{
    return {pixels.Left, pixels.Top, pixels.Left + pixels.Width, pixels.Top + pixels.Height};
}

UINT AlignmentFormat(TextAlignment alignment)
{
    switch (alignment) {
    case TextAlignment::Right: return DT_RIGHT;
    case TextAlignment::Center: return DT_CENTER;
    case TextAlignment::Left: break;
    }
    return DT_LEFT;
}

std::vector<std::wstring> WordsOf(const std::wstring& text)
{
    std::vector<std::wstring> words;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(L' ', start), text.size());
        if (end > start) words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// The label's font, at the size FittingPointSize gives for its widest word in `available` pixels.
HFONT FittingFont(Canvas& canvas, const Control& label, const std::wstring& text, int available)
{
    const std::vector<std::wstring> words = WordsOf(text);
    const double size = FittingPointSize(label.FontSize, available, [&](double pointSize) {
        const SelectedObject font(
            canvas.Dc, canvas.Gdi.Font(label.FontName, pointSize, label.FontBold, label.FontItalic, canvas.Dpi));
        LONG widest = 0;
        for (const std::wstring& word : words) {
            SIZE extent{};
            ::GetTextExtentPoint32W(canvas.Dc, word.c_str(), static_cast<int>(word.size()), &extent);
            widest = std::max(widest, extent.cx);
        }
        return static_cast<double>(widest);
    });
    return canvas.Gdi.Font(label.FontName, size, label.FontBold, label.FontItalic, canvas.Dpi);
}

}  // namespace

RECT AreaOf(const Control& control, int dpi)
{
    return ToRect(control.Kind == ControlKind::Line ? LinePixels(control, dpi) : ControlPixels(control, dpi));
}

void PaintLabel(Canvas& canvas, const Control& label, int fitWidth)
{
    RECT inside = AreaOf(label, canvas.Dpi);
    if (label.Opaque) ::FillRect(canvas.Dc, &inside, canvas.Gdi.Brush(label.BackColor));
    const bool bordered = label.Bordered && inside.right > inside.left && inside.bottom > inside.top;
    if (bordered) {
        ::FrameRect(canvas.Dc, &inside, canvas.Gdi.Brush(colors::Black));
        ::InflateRect(&inside, -1, -1);
    }
    if (label.Text.empty()) return;

    std::wstring text = WideFromUtf8(ShownText(label));
    const int width = inside.right - inside.left;
    const int available =
        fitWidth > 0 ? std::min(TwipsToPixels(fitWidth, canvas.Dpi) - (bordered ? 2 : 0), width) : width;
    const SelectedObject font(canvas.Dc, FittingFont(canvas, label, text, available));
    ::SetTextColor(canvas.Dc, GdiCache::ColorOf(label.ForeColor));
    ::SetBkMode(canvas.Dc, TRANSPARENT);
    ::DrawTextW(canvas.Dc, text.data(), static_cast<int>(text.size()), &inside,
                DT_TOP | DT_WORDBREAK | DT_NOPREFIX | AlignmentFormat(label.Alignment));
}

void PaintLine(Canvas& canvas, const Control& line)
{
    if (line.X1 == line.X2 || line.Y1 == line.Y2) {
        // Upright and level lines fill whole pixels, on screens of any pixel density.
        const RECT area = AreaOf(line, canvas.Dpi);
        ::FillRect(canvas.Dc, &area, canvas.Gdi.Brush(line.BorderColor));
        return;
    }
    const SelectedObject pen(canvas.Dc, canvas.Gdi.Pen(line.BorderColor));
    const int x2 = TwipsToPixels(line.X2, canvas.Dpi);
    const int y2 = TwipsToPixels(line.Y2, canvas.Dpi);
    ::MoveToEx(canvas.Dc, TwipsToPixels(line.X1, canvas.Dpi), TwipsToPixels(line.Y1, canvas.Dpi), nullptr);
    ::LineTo(canvas.Dc, x2, y2);
    ::SetPixel(canvas.Dc, x2, y2, GdiCache::ColorOf(line.BorderColor));  // LineTo leaves out its last point
}

void PaintPicture(Canvas& canvas, const Control& picture, HICON icon, int iconSize)
{
    RECT box = AreaOf(picture, canvas.Dpi);
    ::DrawEdge(canvas.Dc, &box, BDR_SUNKENOUTER, BF_RECT);
    if (icon == nullptr) return;
    const int inset = ::MulDiv(PictureInset, canvas.Dpi, StandardDpi);
    ::DrawIconEx(canvas.Dc, box.left + inset, box.top + inset, icon, iconSize, iconSize, 0, nullptr, DI_NORMAL);
}

void PaintButton(Canvas& canvas, const DRAWITEMSTRUCT& item, const Control& button)
{
    RECT face = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    ::DrawFrameControl(canvas.Dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pushed ? DFCS_PUSHED : 0));
    ::FillRect(canvas.Dc, &face, canvas.Gdi.Brush(button.BackColor));

    std::wstring caption = WideFromUtf8(ShownText(button));
    RECT text = face;
    if (pushed) ::OffsetRect(&text, 1, 1);
    const SelectedObject font(canvas.Dc, canvas.Gdi.FontOf(button, canvas.Dpi));
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    ::SetTextColor(canvas.Dc, disabled ? ::GetSysColor(COLOR_GRAYTEXT) : GdiCache::ColorOf(button.ForeColor));
    ::SetBkMode(canvas.Dc, TRANSPARENT);
    ::DrawTextW(canvas.Dc, caption.data(), static_cast<int>(caption.size()), &text,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        ::InflateRect(&face, -1, -1);
        ::DrawFocusRect(canvas.Dc, &face);
    }
}

}  // namespace brelvon
