// The band of rows that scrolls when the window is taller than its screen.
#include "ui/win32/FormWindow.h"

#include "model/Twips.h"
#include "ui/win32/ControlPainting.h"
#include "ui/win32/FormWindowParts.h"
#include "ui/win32/WindowDpi.h"

#include <algorithm>

namespace brelvon {

using namespace form_window;

namespace {

RECT Shifted(RECT area, int shift)
{
    ::OffsetRect(&area, 0, shift);
    return area;
}

}  // namespace

int FormWindow::ShiftOf(const Bound& bound, const Control& control) const
{
    if (bound.InBand) return -(bandPlace_.Top + scroll_);
    if (!band_ || control.Container != nullptr) return 0;
    const int top = control.Kind == ControlKind::Line ? std::min(control.Y1, control.Y2) : control.Top;
    return TwipsToPixels(top, dpi_) >= bandPlace_.Bottom ? -bandPlace_.Fit.Shift : 0;
}

RECT FormWindow::PlaceOf(const Bound& bound, const Control& control) const
{
    return Shifted(AreaOf(control, dpi_), ShiftOf(bound, control));
}

int FormWindow::AvailableClientHeight() const
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoW(::MonitorFromWindow(window_.get(), MONITOR_DEFAULTTONEAREST), &monitor)) return 0;
    const SIZE frame = OuterSize({0, 0}, WindowStyle(options_), 0, dpi_);
    return monitor.rcWork.bottom - monitor.rcWork.top - frame.cy;
}

FormWindow::BandPlace FormWindow::MeasureBand() const
{
    if (!band_) return {};
    const BandExtent band = ExtentOfBand(form_, options_.Scrolls, dpi_);
    const int clientHeight = TwipsToPixels(form_.ClientAreaHeight(), dpi_);
    return {band.Top, band.Bottom,
            FitBandToScreen(clientHeight, AvailableClientHeight(), band.Top, band.Bottom,
                            TwipsToPixels(MinimumBandTwips, dpi_))};
}

void FormWindow::PlaceBand()
{
    if (!band_) return;
    const int content = bandPlace_.Bottom - bandPlace_.Top;
    scroll_ = std::clamp(scroll_, 0, std::max(0, content - bandPlace_.Fit.BandHeight));
    // Under every other control of the window, as the rows are.
    ::SetWindowPos(band_.get(), HWND_BOTTOM, 0, bandPlace_.Top, TwipsToPixels(form_.ClientAreaWidth(), dpi_),
                   bandPlace_.Fit.BandHeight, SWP_NOACTIVATE);
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    scroll.nMax = std::max(0, content - 1);
    scroll.nPage = static_cast<UINT>(bandPlace_.Fit.BandHeight);
    scroll.nPos = scroll_;
    ::SetScrollInfo(band_.get(), SB_VERT, &scroll, TRUE);
    ::InvalidateRect(band_.get(), nullptr, FALSE);
}

void FormWindow::ScrollBandTo(int position)
{
    const int content = bandPlace_.Bottom - bandPlace_.Top;
    position = std::clamp(position, 0, std::max(0, content - bandPlace_.Fit.BandHeight));
    if (position == scroll_) return;
    scroll_ = position;
    // Every row's windows move to their new places at once, and the band is
    // drawn anew as a whole, double-buffered: no copy of stale pixels, no flicker.
    if (HDWP moves = ::BeginDeferWindowPos(static_cast<int>(bound_.size())); moves != nullptr) {
        for (const auto& [name, bound] : bound_) {
            if (!bound.InBand || !bound.Window || moves == nullptr) continue;
            const RECT place = PlaceOf(bound, bound.Shown());
            moves = ::DeferWindowPos(moves, bound.Window.get(), nullptr, place.left, place.top, 0, 0,
                                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (moves != nullptr) ::EndDeferWindowPos(moves);
    }
    ::RedrawWindow(band_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ::SetScrollPos(band_.get(), SB_VERT, scroll_, TRUE);
    for (auto& [name, bound] : bound_) {
        if (bound.InBand && bound.HasTip && !bound.Window) {
            tips_->MoveArea(bound.Surface, reinterpret_cast<UINT_PTR>(&bound), PlaceOf(bound, bound.Shown()));
        }
    }
}

void FormWindow::OnScroll(UINT request)
{
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_ALL;
    ::GetScrollInfo(band_.get(), SB_VERT, &scroll);
    const int step = TwipsToPixels(ScrollStepTwips, dpi_);
    switch (request) {
    case SB_LINEUP: ScrollBandTo(scroll_ - step); break;
    case SB_LINEDOWN: ScrollBandTo(scroll_ + step); break;
    case SB_PAGEUP: ScrollBandTo(scroll_ - static_cast<int>(scroll.nPage)); break;
    case SB_PAGEDOWN: ScrollBandTo(scroll_ + static_cast<int>(scroll.nPage)); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollBandTo(scroll.nTrackPos); break;
    case SB_TOP: ScrollBandTo(0); break;
    case SB_BOTTOM: ScrollBandTo(scroll.nMax); break;
    default: break;
    }
}

void FormWindow::ScrollIntoView(HWND child)
{
    RECT place{};
    ::GetWindowRect(child, &place);
    ::MapWindowPoints(nullptr, band_.get(), reinterpret_cast<POINT*>(&place), 2);
    if (place.top < 0) {
        ScrollBandTo(scroll_ + place.top);
    } else if (place.bottom > bandPlace_.Fit.BandHeight) {
        ScrollBandTo(scroll_ + place.bottom - bandPlace_.Fit.BandHeight);
    }
}

}  // namespace brelvon
