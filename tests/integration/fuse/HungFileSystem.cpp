#include "HungFileSystem.h"

#define FUSE_USE_VERSION 34
#include <fuse_lowlevel.h>

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

namespace brelvon::test {

namespace {

constexpr const char* FuseControl = "/sys/fs/fuse/connections";

void AnswerRootOnly(fuse_req_t request, fuse_ino_t inode, fuse_file_info*)
{
    if (inode != FUSE_ROOT_ID) {
        fuse_reply_err(request, ENOENT);
        return;
    }
    struct stat attributes {};
    attributes.st_ino = FUSE_ROOT_ID;
    attributes.st_mode = S_IFDIR | 0755;
    attributes.st_nlink = 2;
    fuse_reply_attr(request, &attributes, 1.0);
}

void FindNothing(fuse_req_t request, fuse_ino_t, const char*) { fuse_reply_err(request, ENOENT); }

// Whether the process that made a request has a name beginning with `prefix`.
bool AskedBy(fuse_req_t request, const std::string& prefix)
{
    if (prefix.empty()) return false;
    std::ifstream comm("/proc/" + std::to_string(fuse_req_ctx(request)->pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name.rfind(prefix, 0) == 0;
}

// Never answered, but to the processes named in the session's user data: the
// asker waits until the connection is aborted.
void NeverAnswer(fuse_req_t request, fuse_ino_t)
{
    if (!AskedBy(request, *static_cast<const std::string*>(fuse_req_userdata(request)))) return;
    struct statvfs empty {};
    empty.f_bsize = empty.f_frsize = 4096;
    empty.f_namemax = 255;
    fuse_reply_statfs(request, &empty);
}

// Runs in the child: mounts, tells the parent (0, or the errno of the
// failure), and serves until the connection ends.
[[noreturn]] void Serve(const std::string& mountPoint, std::string* answered, int tellParent)
{
    fuse_lowlevel_ops operations{};
    operations.getattr = AnswerRootOnly;
    operations.lookup = FindNothing;
    operations.statfs = NeverAnswer;
    const char* arguments[] = {"brelvon-hung-fs", "-o", "fsname=host:/export,subtype=sshfs", nullptr};
    fuse_args args = FUSE_ARGS_INIT(3, const_cast<char**>(arguments));
    fuse_session* session = fuse_session_new(&args, &operations, sizeof operations, answered);
    int error = session == nullptr ? EINVAL : 0;
    if (error == 0 && fuse_session_mount(session, mountPoint.c_str()) != 0) error = errno != 0 ? errno : EPERM;
    [[maybe_unused]] const ssize_t told = write(tellParent, &error, sizeof error);
    close(tellParent);
    if (error != 0) _exit(1);
    fuse_session_loop(session);
    fuse_session_unmount(session);
    fuse_session_destroy(session);
    _exit(0);
}

// The fusectl name of the connection mounted at mountPoint: its device number.
std::string ConnectionOf(const std::string& mountPoint)
{
    std::ifstream mountInfo("/proc/self/mountinfo");
    std::string line;
    while (std::getline(mountInfo, line)) {
        std::istringstream fields(line);
        std::string id, parent, device, root, point;
        fields >> id >> parent >> device >> root >> point;
        if (point != mountPoint) continue;
        const auto colon = device.find(':');
        const unsigned major = static_cast<unsigned>(std::stoul(device.substr(0, colon)));
        const unsigned minor = static_cast<unsigned>(std::stoul(device.substr(colon + 1)));
        // The kernel names connections after its own device encoding.
        return std::to_string((major << 20) | minor);
    }
    return {};
}

bool WriteAbort(const std::string& connection)
{
    const std::string path = std::string(FuseControl) + "/" + connection + "/abort";
    const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool written = write(fd, "1", 1) == 1;
    close(fd);
    return written;
}

}  // namespace

std::string HungFileSystem::Mount(const std::string& mountPoint, const std::string& answered)
{
    answered_ = answered;
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return std::string("pipe: ") + std::strerror(errno);
    const pid_t pid = fork();
    if (pid < 0) return std::string("fork: ") + std::strerror(errno);
    if (pid == 0) {
        close(ends[0]);
        Serve(mountPoint, &answered_, ends[1]);
    }
    close(ends[1]);
    int error = EIO;
    const bool told = read(ends[0], &error, sizeof error) == static_cast<ssize_t>(sizeof error);
    close(ends[0]);
    if (!told || error != 0) {
        waitpid(pid, nullptr, 0);
        return std::string("cannot mount a FUSE file system here: ") + std::strerror(told ? error : EIO);
    }
    daemon_ = pid;
    mountPoint_ = mountPoint;
    return {};
}

std::string HungFileSystem::Release()
{
    if (daemon_ < 0) return {};
    std::string how;
    const std::string connection = ConnectionOf(mountPoint_);
    if (!connection.empty()) {
        if (access(FuseControl, F_OK) == 0 && !WriteAbort(connection)) {
            // fusectl is not mounted here; in our own mount namespace it may be.
            mount("fusectl", FuseControl, "fusectl", 0, nullptr);
        }
        if (WriteAbort(connection)) how = "aborted through " + std::string(FuseControl) + "/" + connection + "/abort";
    }
    umount2(mountPoint_.c_str(), MNT_DETACH);
    // Ending the file system's process closes the last descriptor of its
    // device, which aborts the connection if writing abort could not.
    kill(daemon_, SIGTERM);
    for (int tries = 0; tries < 50; ++tries) {
        if (waitpid(daemon_, nullptr, WNOHANG) == daemon_) {
            daemon_ = -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (daemon_ >= 0) {
        kill(daemon_, SIGKILL);
        waitpid(daemon_, nullptr, 0);
        daemon_ = -1;
    }
    if (how.empty()) how = "ended by closing the file system's device";
    return how;
}

HungFileSystem::~HungFileSystem() { Release(); }

std::string CheckFuseDevice()
{
    const int fd = open("/dev/fuse", O_RDWR | O_CLOEXEC);
    if (fd < 0) return std::string("/dev/fuse cannot be used: ") + std::strerror(errno);
    close(fd);
    return {};
}

std::string EnterPrivateMountNamespace()
{
    if (unshare(CLONE_NEWNS) != 0) {
        const uid_t uid = getuid();
        const gid_t gid = getgid();
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            return std::string("cannot make a private mount namespace: ") + std::strerror(errno);
        }
        std::ofstream("/proc/self/setgroups") << "deny";
        std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
        std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
    }
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        return std::string("cannot make the mounts private: ") + std::strerror(errno);
    }
    return {};
}

}  // namespace brelvon::test
