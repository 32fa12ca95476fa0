// Painting: the surfaces, what they draw, the buttons drawn by the window, the controls' colours and the icons.
#include "ui/win32/FormWindow.h"

#include "ui/win32/ControlPainting.h"
#include "ui/win32/FormWindowParts.h"
#include "ui/win32/WindowDpi.h"

#include <commctrl.h>

namespace brelvon {

using namespace form_window;

LRESULT FormWindow::OnControlColor(HDC dc, HWND control, UINT message)
{
    const Bound* bound = BoundOf(control);
    if (bound == nullptr) {
        return ::DefWindowProcW(window_.get(), message, reinterpret_cast<WPARAM>(dc),
                                reinterpret_cast<LPARAM>(control));
    }
    const Control& model = bound->Shown();
    // A push button asks for what lies around it: its container's colour.
    const Rgb back =
        model.Kind == ControlKind::CommandButton ? SurfaceModel(bound->Surface).BackColor : model.BackColor;
    ::SetTextColor(dc, GdiCache::ColorOf(model.ForeColor));
    ::SetBkColor(dc, GdiCache::ColorOf(back));
    return reinterpret_cast<LRESULT>(gdi_.Brush(back));
}

void FormWindow::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    const Bound* bound = BoundOf(item.hwndItem);
    if (bound == nullptr) return;
    Canvas canvas{item.hDC, dpi_, gdi_};
    PaintButton(canvas, item, bound->Shown());
}

void FormWindow::UpdateIcons()
{
    if (options_.IconResource == 0) return;
    ::SendMessageW(window_.get(), WM_SETICON, ICON_BIG,
                   reinterpret_cast<LPARAM>(PictureIcon(MetricFor(SM_CXICON, dpi_))));
    ::SendMessageW(window_.get(), WM_SETICON, ICON_SMALL,
                   reinterpret_cast<LPARAM>(PictureIcon(MetricFor(SM_CXSMICON, dpi_))));
}

HICON FormWindow::PictureIcon(int size)
{
    if (options_.IconResource == 0) return nullptr;
    UniqueIcon& icon = icons_[size];
    if (!icon) {
        icon.reset(static_cast<HICON>(::LoadImageW(ThisModule(), MAKEINTRESOURCEW(options_.IconResource), IMAGE_ICON,
                                                   size, size, LR_DEFAULTCOLOR)));
    }
    return icon.get();
}

void FormWindow::PaintSurface(HWND surface)
{
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(surface, &paint);
    const RECT area = paint.rcPaint;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (dc != nullptr && width > 0 && height > 0) {
        // Drawn off screen, then copied at once: no flicker on a refresh.
        UniqueMemoryDc memory(::CreateCompatibleDC(dc));
        UniqueBitmap bitmap(::CreateCompatibleBitmap(dc, width, height));
        if (memory && bitmap) {
            const SelectedObject target(memory.get(), bitmap.get());
            DrawSurface(surface, memory.get(), area, {-area.left, -area.top});
            // The bitmap is copied from its own (0, 0): DrawSurface leaves the
            // memory's origin at the paint's corner, where a part (not the
            // whole) repaint would copy from nothing.
            ::SetViewportOrgEx(memory.get(), 0, 0, nullptr);
            ::BitBlt(dc, area.left, area.top, width, height, memory.get(), 0, 0, SRCCOPY);
        } else {
            DrawSurface(surface, dc, area, {0, 0});
        }
    }
    ::EndPaint(surface, &paint);
    if (surface == window_.get() && !firstPaintDone_) {
        firstPaintDone_ = true;
        // Reported once the paint has reached the screen: after this message.
        ::PostMessageW(window_.get(), FirstPaintedMessage, 0, 0);
    }
}

void FormWindow::DrawSurface(HWND surface, HDC dc, const RECT& area, POINT origin)
{
    ::SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    ::FillRect(dc, &area, gdi_.Brush(SurfaceModel(surface).BackColor));
    if (BoundOf(surface) != nullptr) {
        // A frame: the group box's own edge and caption, over the frame's colour.
        ::DefSubclassProc(surface, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    }
    if (const auto drawn = painted_.find(surface); drawn != painted_.end()) {
        Canvas canvas{dc, dpi_, gdi_};
        for (const Bound* bound : drawn->second) {
            const Control& control = bound->Shown();
            if (!control.Visible) continue;
            ::SetViewportOrgEx(dc, origin.x, origin.y + ShiftOf(*bound, control), nullptr);
            switch (control.Kind) {
            case ControlKind::Label: PaintLabel(canvas, control, bound->FitWidth); break;
            case ControlKind::Line: PaintLine(canvas, control); break;
            case ControlKind::PictureBox: {
                const int size = ::MulDiv(PictureSize, dpi_, StandardDpi);
                PaintPicture(canvas, control, PictureIcon(size), size);
                break;
            }
            default: break;
            }
        }
    }
    ::SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
}

}  // namespace brelvon
