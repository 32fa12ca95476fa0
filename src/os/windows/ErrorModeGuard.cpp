#include "os/windows/ErrorModeGuard.h"

#include <windows.h>

namespace brelvon {

namespace {

// No "insert a disk" box, and no box when a file on a drive cannot be opened.
constexpr DWORD QuietMode = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;

}  // namespace

ErrorModeGuard::ErrorModeGuard()
{
    DWORD previous = 0;
    if (::SetThreadErrorMode(::GetThreadErrorMode() | QuietMode, &previous)) {
        previous_ = previous;
    } else {
        threadMode_ = false;
        previous_ = ::SetErrorMode(QuietMode);
        ::SetErrorMode(previous_ | QuietMode);
    }
}

ErrorModeGuard::~ErrorModeGuard()
{
    if (threadMode_) {
        ::SetThreadErrorMode(previous_, nullptr);
    } else {
        ::SetErrorMode(previous_);
    }
}

}  // namespace brelvon
