#pragma once

#include <QApplication>

#include <memory>
#include <string>
#include <thread>

namespace brelvon {

// The application, and the thread that readies its fonts beside the window's
// making. The thread is joined before the application is destroyed.
struct StartedApplication {
    std::unique_ptr<QApplication> Application;
    std::jthread Fonts;
};

// Makes the QApplication, for a program that cannot work without a display.
// While Qt starts its platform, its messages are held back. When no platform
// can start, the program ends with status 1 instead of an abort that leaves a
// core file, and says why on standard error: `noDisplayLine` when
// `displayAnswers` says there is no display to start on (none named, or one
// that does not answer), else Qt's own messages (a platform library that is
// missing, a display that refuses the program). Once Qt has started, the held
// messages go on to standard error as Qt would have written them.
//
// A window's first text waits for the system's font configuration to be read
// and for Qt's font database to be filled, which together take longer than
// the rest of the window's making. Both are done on a thread of their own:
// fontconfig's while the platform starts, and Qt's font database as soon as
// the application exists, while the program goes on to make its window.
[[nodiscard]] StartedApplication StartApplication(int& argc, char** argv, const std::string& noDisplayLine,
                                                  bool (*displayAnswers)());

}  // namespace brelvon
