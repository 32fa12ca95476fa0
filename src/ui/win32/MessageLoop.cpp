#include "ui/win32/MessageLoop.h"

#include "ui/win32/FormWindow.h"

#include <windows.h>

namespace brelvon {

namespace {

std::exception_ptr& EscapedError()
{
    static std::exception_ptr error;
    return error;
}

}  // namespace

void KeepEscapedError(std::exception_ptr error)
{
    if (!EscapedError()) EscapedError() = std::move(error);
    ::PostQuitMessage(1);
}

int RunMessageLoop()
{
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (FormWindow::TranslateKey(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    if (std::exception_ptr error = std::exchange(EscapedError(), nullptr)) std::rethrow_exception(error);
    return static_cast<int>(message.wParam);
}

}  // namespace brelvon
