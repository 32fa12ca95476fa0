#include "os/windows/Utf8StandardOutput.h"

#include <cstdio>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace brelvon {

Utf8StandardOutput::Utf8StandardOutput()
{
    std::fflush(stdout);
    std::fflush(stderr);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    DWORD mode = 0;
    if (::GetConsoleMode(::GetStdHandle(STD_OUTPUT_HANDLE), &mode)) {
        const UINT previous = ::GetConsoleOutputCP();
        if (previous != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8)) previousCodePage_ = previous;
    }
}

Utf8StandardOutput::~Utf8StandardOutput()
{
    std::fflush(stdout);
    if (previousCodePage_ != 0) ::SetConsoleOutputCP(previousCodePage_);
}

}  // namespace brelvon
