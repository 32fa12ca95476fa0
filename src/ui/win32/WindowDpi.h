#pragma once

#include <windows.h>

namespace brelvon {

// The dots per inch Windows lays out and draws for at 100 %.
inline constexpr int StandardDpi = 96;

// The dots per inch a window is drawn at: its screen's where Windows tells
// each window its own (Windows 10 and later), else the system's.
[[nodiscard]] int DpiOf(HWND window);

// The outer size of a window with this style whose client area is `client`
// pixels, on a screen of `dpi` dots per inch.
[[nodiscard]] SIZE OuterSize(SIZE client, DWORD style, DWORD extendedStyle, int dpi);

// A system metric (SM_CXICON, ...) for a screen of `dpi` dots per inch.
[[nodiscard]] int MetricFor(int index, int dpi);

}  // namespace brelvon
