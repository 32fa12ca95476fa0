#include "os/linux/ChildStatvfsProbe.h"

#include "model/PlatformError.h"
#include "os/linux/ChildProcess.h"
#include "os/linux/MountPointKind.h"
#include "os/linux/UniqueFd.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace brelvon {

namespace {

// What the child writes: small enough for one atomic pipe write.
struct Answer {
    int Error = 0;
    int SingleFile = 0;
    std::uint64_t Blocks = 0;
    std::uint64_t FreeBlocks = 0;
    std::uint64_t AvailableBlocks = 0;
    std::uint64_t FragmentSize = 0;
};
static_assert(std::is_trivially_copyable_v<Answer> && sizeof(Answer) < PIPE_BUF);

[[noreturn]] void RunChild(int writeEnd, const char* path, ChildStatvfsProbe::StatvfsFunction statvfsFunction)
{
    // A child stuck for good outlives its parent: it must not hold the
    // parent's standard streams open, or whoever reads the parent's output (a
    // pipe, a terminal's job control, a test) would wait for the child too.
    for (int stream = 0; stream <= 2; ++stream) {
        if (stream != writeEnd) {
            ::close(stream);
        }
    }
    struct statvfs stats {};
    Answer answer;
    answer.SingleFile = KindOfMountPoint(path) == MountPointKind::SingleFile ? 1 : 0;
    if (statvfsFunction(path, &stats) == 0) {
        answer.Blocks = stats.f_blocks;
        answer.FreeBlocks = stats.f_bfree;
        answer.AvailableBlocks = stats.f_bavail;
        answer.FragmentSize = stats.f_frsize;
    } else {
        answer.Error = errno == 0 ? EIO : errno;
    }
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &answer, sizeof answer);
    ::_exit(0);
}

// Waits until the read end is readable or closed, or the deadline passes.
bool WaitReadable(int fd, std::chrono::steady_clock::time_point deadline)
{
    while (true) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd request{fd, POLLIN, 0};
        const int ready = ::poll(&request, 1, static_cast<int>(left.count()));
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
    }
}

}  // namespace

ChildStatvfsProbe::ChildStatvfsProbe(std::shared_ptr<StuckProbeRecord> record, std::chrono::milliseconds timeout,
                                     StatvfsFunction statvfsFunction)
    : record_(std::move(record)), timeout_(timeout), statvfs_(statvfsFunction)
{}

ProbeResult ChildStatvfsProbe::Probe(const std::string& mountKey, const std::string& path) const
{
    if (record_->IsStuck(mountKey)) {
        return ProbeResult{ProbeResult::Outcome::StillStuck, std::nullopt};
    }

    int ends[2] = {-1, -1};
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        throw PlatformError(std::string("cannot make a pipe to ask a file system its size: ") + std::strerror(errno));
    }
    UniqueFd readEnd(ends[0]);
    UniqueFd writeEnd(ends[1]);

    const auto deadline = std::chrono::steady_clock::now() + timeout_;
    const pid_t pid = ::fork();
    if (pid < 0) {
        throw PlatformError(std::string("cannot start a process to ask a file system its size: ") +
                            std::strerror(errno));
    }
    if (pid == 0) {
        RunChild(writeEnd.Get(), path.c_str(), statvfs_);
    }
    ChildProcess child(pid);
    writeEnd.Reset();

    if (!WaitReadable(readEnd.Get(), deadline)) {
        record_->Add(mountKey, std::move(child));
        return ProbeResult{ProbeResult::Outcome::TimedOut, std::nullopt};
    }

    Answer answer;
    ssize_t got = 0;
    do {
        got = ::read(readEnd.Get(), &answer, sizeof answer);
    } while (got < 0 && errno == EINTR);
    // The child has written its answer or closed the pipe by dying: it is exiting.
    child.WaitForExit();
    if (got != static_cast<ssize_t>(sizeof answer)) {
        return ProbeResult{ProbeResult::Outcome::Failed, std::nullopt};
    }
    if (answer.Error != 0) {
        return ProbeResult{ProbeResult::Outcome::Failed, std::nullopt, answer.Error, answer.SingleFile != 0};
    }
    const VolumeSize size{answer.Blocks * answer.FragmentSize, answer.FreeBlocks * answer.FragmentSize,
                          answer.AvailableBlocks * answer.FragmentSize};
    return ProbeResult{ProbeResult::Outcome::Answered, size, 0, answer.SingleFile != 0};
}

}  // namespace brelvon
