#pragma once

#include <QApplication>

#include <memory>
#include <string>

namespace brelvon {

// Makes the QApplication, for a program that cannot work without a display.
// While Qt starts its platform, its messages are held back: when no platform
// can start (no display, or one that does not answer), the program prints
// `noDisplayLine` on standard error and ends with status 1, instead of Qt's
// messages and an abort that leaves a core file. Once Qt has started, the
// held messages go on to standard error as Qt would have written them.
[[nodiscard]] std::unique_ptr<QApplication> StartApplication(int& argc, char** argv, const std::string& noDisplayLine);

}  // namespace brelvon
