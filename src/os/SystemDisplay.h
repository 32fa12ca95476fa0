#pragma once

namespace brelvon {

// Whether a window can be shown at all: on Windows always; elsewhere when the
// environment names a display (DISPLAY, WAYLAND_DISPLAY) or a Qt platform
// (QT_QPA_PLATFORM, such as "offscreen"). A named display may still not
// answer; the window binding reports that when it starts.
[[nodiscard]] bool DisplayNamed();

// Whether a named display answers: the socket of the X server of DISPLAY or of
// the Wayland compositor of WAYLAND_DISPLAY takes a connection. Also true for
// a Qt platform that needs no display server (QT_QPA_PLATFORM=offscreen).
// Whether the server then lets the program in is not asked.
[[nodiscard]] bool DisplayAnswers();

}  // namespace brelvon
