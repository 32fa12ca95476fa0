#pragma once

#include <sys/types.h>

#include <string>

namespace brelvon::test {

// A FUSE file system whose statfs is never answered, as a dead network share
// behaves, mounted as "host:/export" of type fuse.sshfs so that the drive
// service takes it for a network mount. Every other request is answered: the
// mount point is an empty folder. The file system runs in a child process, so
// no process that asks it anything holds its device open.
//
// Processes whose name (/proc/PID/comm) begins with `answered` get their
// statfs answered all the same: Wine's server asks every file system it opens
// a file on, from the one thread that serves all of Wine, so left unanswered
// it would freeze Wine itself rather than the program under test.
class HungFileSystem {
public:
    HungFileSystem() = default;
    HungFileSystem(const HungFileSystem&) = delete;
    HungFileSystem& operator=(const HungFileSystem&) = delete;
    // Releases whoever still waits on the file system (Release()).
    ~HungFileSystem();

    // Mounts it on an existing empty folder. Returns an empty string on
    // success, else why it could not be mounted.
    [[nodiscard]] std::string Mount(const std::string& mountPoint, const std::string& answered = {});

    // Aborts the FUSE connection (through the fusectl file system, mounted for
    // the purpose when it is not), which fails every waiting request; then
    // unmounts and ends the file system's process. Returns how the connection
    // was ended, for the test's log.
    std::string Release();

private:
    std::string answered_;  // read by the file system's process
    std::string mountPoint_;
    pid_t daemon_ = -1;
};

// Checks that /dev/fuse can be opened. Returns why not, or an empty string.
[[nodiscard]] std::string CheckFuseDevice();

// Enters a mount namespace of this process's own in which mounts do not
// propagate back; as a user without the right to, inside a user namespace of
// its own. Must be called before the process starts a thread. Returns why it
// could not, or an empty string.
[[nodiscard]] std::string EnterPrivateMountNamespace();

}  // namespace brelvon::test
