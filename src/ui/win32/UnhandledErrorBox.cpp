#include "ui/win32/UnhandledErrorBox.h"

#include "os/windows/WideText.h"

#include <iostream>

#include <windows.h>

namespace brelvon {

void UnhandledErrorBox::Report(const std::exception& error)
{
    failed_ = true;
    std::cerr << programName_ << ": " << error.what() << '\n' << std::flush;
    // Every window of the program waits for the box.
    ::MessageBoxW(nullptr, WideFromUtf8(error.what()).c_str(), WideFromUtf8(title_).c_str(),
                  MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ::PostQuitMessage(ExitStatus);
}

}  // namespace brelvon
