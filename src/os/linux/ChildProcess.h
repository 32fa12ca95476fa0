#pragma once

#include <sys/types.h>

namespace brelvon {

// Owns a forked child until it has been reaped. Reaping never blocks here
// unless asked to with WaitForExit(): a child stuck in an uninterruptible
// system call would block its parent with it.
class ChildProcess {
public:
    ChildProcess() = default;
    explicit ChildProcess(pid_t pid) : pid_(pid) {}
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    // A child still running is sent SIGKILL and reaped if it is already gone;
    // one in an uninterruptible sleep is left to the kernel.
    ~ChildProcess();

    [[nodiscard]] pid_t Pid() const { return pid_; }
    [[nodiscard]] bool IsRunning() const { return pid_ > 0; }

    // Reaps the child if it has ended; true when it is gone.
    bool TryReap();
    // Waits for the child to end. Only for a child known to be exiting (it has
    // answered or closed its end of the pipe).
    void WaitForExit();

private:
    void Release();

    pid_t pid_ = -1;
};

}  // namespace brelvon
