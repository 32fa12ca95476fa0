#pragma once

namespace brelvon {

// While it lives, the calling thread gets errors instead of system dialogs
// when it touches a drive: an empty CD-ROM or card reader answers "not ready"
// rather than asking the user to insert a disk. The thread's previous error
// mode is restored when the guard goes, so the rest of the program keeps the
// mode it had. Where the thread's own mode cannot be set (before Windows 7),
// the process's is set and restored instead.
class ErrorModeGuard {
public:
    ErrorModeGuard();
    ~ErrorModeGuard();
    ErrorModeGuard(const ErrorModeGuard&) = delete;
    ErrorModeGuard& operator=(const ErrorModeGuard&) = delete;

private:
    unsigned long previous_ = 0;  // a DWORD, without <windows.h> in this header
    bool threadMode_ = true;
};

}  // namespace brelvon
