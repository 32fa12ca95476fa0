#pragma once

#include <sys/types.h>

#include <string>

namespace brelvon::test {

// A FUSE file system whose statfs is never answered, as a dead network share
// behaves, mounted as "host:/export" of type fuse.sshfs so that the drive
// service takes it for a network mount. Every other request is answered: the
// mount point is an empty folder. The file system runs in a child process, so
// no process that asks it anything holds its device open.
class HungFileSystem {
public:
    HungFileSystem() = default;
    HungFileSystem(const HungFileSystem&) = delete;
    HungFileSystem& operator=(const HungFileSystem&) = delete;
    // Releases whoever still waits on the file system (Release()).
    ~HungFileSystem();

    // Mounts it on an existing empty folder. Returns an empty string on
    // success, else why it could not be mounted.
    [[nodiscard]] std::string Mount(const std::string& mountPoint);

    // Aborts the FUSE connection (through the fusectl file system, mounted for
    // the purpose when it is not), which fails every waiting request; then
    // unmounts and ends the file system's process. Returns how the connection
    // was ended, for the test's log.
    std::string Release();

private:
    std::string mountPoint_;
    pid_t daemon_ = -1;
};

}  // namespace brelvon::test
