#pragma once

namespace brelvon {

// Whether a window can be shown at all: on Windows always; elsewhere when the
// environment names a display (DISPLAY, WAYLAND_DISPLAY) or a Qt platform
// (QT_QPA_PLATFORM, such as "offscreen"). A named display may still not
// answer; the window binding reports that when it starts.
[[nodiscard]] bool DisplayNamed();

}  // namespace brelvon
