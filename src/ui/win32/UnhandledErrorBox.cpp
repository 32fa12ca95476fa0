#include "ui/win32/UnhandledErrorBox.h"

#include "os/windows/WideText.h"

#include <windows.h>

namespace brelvon {

void UnhandledErrorBox::ShowBox(const std::string& title, const std::string& text)
{
    ::MessageBoxW(nullptr, WideFromUtf8(text).c_str(), WideFromUtf8(title).c_str(),
                  MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void UnhandledErrorBox::EndEventLoop(int status) { ::PostQuitMessage(status); }

}  // namespace brelvon
