#pragma once

#include <exception>

namespace brelvon {

// Runs this thread's message loop until the program ends (WM_QUIT) and
// returns the status it ended with. The keys a window handles itself (see
// FormWindow::TranslateKey) go to it before the control with the focus.
// An exception that escaped a window procedure ends the loop and is thrown
// from here.
[[nodiscard]] int RunMessageLoop();

// Keeps an exception that a window procedure caught, since it must not
// unwind through the system's code, and ends the message loop. The first one
// kept is the one thrown.
void KeepEscapedError(std::exception_ptr error);

}  // namespace brelvon
