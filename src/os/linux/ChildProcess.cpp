#include "os/linux/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <utility>

#include <sys/wait.h>

namespace brelvon {

ChildProcess::ChildProcess(ChildProcess&& other) noexcept : pid_(std::exchange(other.pid_, -1)) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept
{
    if (this != &other) {
        Release();
        pid_ = std::exchange(other.pid_, -1);
    }
    return *this;
}

ChildProcess::~ChildProcess() { Release(); }

void ChildProcess::Release()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        TryReap();
        pid_ = -1;
    }
}

bool ChildProcess::TryReap()
{
    if (pid_ <= 0) {
        return true;
    }
    int status = 0;
    pid_t result = 0;
    do {
        result = ::waitpid(pid_, &status, WNOHANG);
    } while (result < 0 && errno == EINTR);
    // ECHILD: someone else reaped it (a SIGCHLD handler set to SIG_IGN, say).
    if (result == pid_ || (result < 0 && errno == ECHILD)) {
        pid_ = -1;
        return true;
    }
    return false;
}

void ChildProcess::WaitForExit()
{
    if (pid_ <= 0) {
        return;
    }
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {}
    pid_ = -1;
}

}  // namespace brelvon
