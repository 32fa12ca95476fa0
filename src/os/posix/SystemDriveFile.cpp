#include "os/SystemDriveFile.h"

#include "text/TextCleaning.h"

#include <array>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brelvon {

namespace {

[[noreturn]] void FailWithErrno(const std::string& path)
{
    throw DriveFileError(QuoteForMessage(path) + ": " + std::strerror(errno));
}

DriveFileKind KindOf(const struct stat& facts)
{
    return {S_ISDIR(facts.st_mode), S_ISREG(facts.st_mode), static_cast<std::uint64_t>(facts.st_size)};
}

class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { ::close(descriptor_); }
    [[nodiscard]] int Get() const { return descriptor_; }

private:
    int descriptor_;
};

}  // namespace

std::vector<DriveRecord> LoadDriveFile(const std::string& path)
{
    // Asked of the name before the file is opened, as opening a device may
    // act on it, and again of what was opened, which may have been put in
    // the name's place meanwhile.
    struct stat facts {};
    if (::stat(path.c_str(), &facts) != 0) FailWithErrno(path);
    CheckDriveFileKind(path, KindOf(facts));
    // Not blocking, so that a FIFO put in the file's place cannot hold the
    // open; never the controlling terminal.
    const int opened = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (opened < 0) FailWithErrno(path);
    const Descriptor file(opened);
    if (::fstat(file.Get(), &facts) != 0) FailWithErrno(path);
    CheckDriveFileKind(path, KindOf(facts));

    std::string text;
    std::array<char, 65536> piece{};
    for (;;) {
        const ssize_t got = ::read(file.Get(), piece.data(), piece.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) FailWithErrno(path);
        if (got == 0) break;
        text.append(piece.data(), static_cast<std::size_t>(got));
        // A file that grows while it is read.
        CheckDriveFileKind(path, {false, true, text.size()});
    }
    return ParseDriveFile(text, path);
}

}  // namespace brelvon
