#include "os/linux/KernelFiles.h"

#include "os/linux/UniqueFd.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace brelvon {

namespace {

// A sysfs attribute is at most a page; the mount table of a busy machine is
// read in a few pieces of this size.
constexpr std::size_t kPiece = 4096;

ssize_t ReadRetrying(int fd, char* buffer, std::size_t size)
{
    ssize_t got = 0;
    do {
        got = ::read(fd, buffer, size);
    } while (got < 0 && errno == EINTR);
    return got;
}

// Reads into `text` until end of file, or until `stopAt` is read when it is
// not NUL. False on a read error.
bool ReadInto(int fd, std::string& text, char stopAt)
{
    std::array<char, kPiece> piece;
    while (true) {
        const ssize_t got = ReadRetrying(fd, piece.data(), piece.size());
        if (got < 0) {
            return false;
        }
        const auto size = static_cast<std::size_t>(got);
        text.append(piece.data(), size);
        if (got == 0 || (stopAt != '\0' && std::memchr(piece.data(), stopAt, size) != nullptr)) {
            return true;
        }
    }
}

std::optional<std::string> Read(int directory, const char* path, char stopAt)
{
    const UniqueFd file(::openat(directory, path, O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!file.IsOpen()) {
        return std::nullopt;
    }
    std::string text;
    if (!ReadInto(file.Get(), text, stopAt)) {
        return std::nullopt;
    }
    return text;
}

}  // namespace

std::optional<std::string> ReadWholeFile(int directory, const char* path) { return Read(directory, path, '\0'); }

std::optional<std::string> ReadFirstLine(int directory, const char* path)
{
    std::optional<std::string> text = Read(directory, path, '\n');
    if (!text || text->empty()) {
        return std::nullopt;
    }
    if (const std::size_t end = text->find('\n'); end != std::string::npos) {
        text->resize(end);
    }
    return text;
}

std::optional<std::uint64_t> ReadNumber(int directory, const char* path)
{
    // Enough for any number a sysfs attribute holds and its line end; a longer
    // line is no number of ours.
    std::array<char, 64> buffer{};
    const UniqueFd file(::openat(directory, path, O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!file.IsOpen()) {
        return std::nullopt;
    }
    const ssize_t got = ReadRetrying(file.Get(), buffer.data(), buffer.size());
    if (got <= 0) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    const char* end = buffer.data() + got;
    const auto [stop, error] = std::from_chars(buffer.data(), end, value);
    if (error != std::errc{} || stop == buffer.data()) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string> DirectoryNames(int directory, const char* path)
{
    const UniqueFd listing(::openat(directory, path, O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return listing.IsOpen() ? NamesInOpenDirectory(listing.Get()) : std::vector<std::string>{};
}

std::vector<std::string> NamesInOpenDirectory(int listing)
{
    std::vector<std::string> names;
    // getdents64 straight into a buffer: opendir() would add an fstat and two
    // fcntl calls to check and mark a descriptor we opened ourselves.
    alignas(dirent64) std::array<char, 8192> buffer{};
    while (true) {
        ssize_t got = 0;
        do {
            got = ::getdents64(listing, buffer.data(), buffer.size());
        } while (got < 0 && errno == EINTR);
        if (got <= 0) {
            return names;
        }
        for (ssize_t offset = 0; offset < got;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer.data() + offset);
            const std::string_view name(entry->d_name);
            if (name != "." && name != "..") {
                names.emplace_back(name);
            }
            offset += entry->d_reclen;
        }
    }
}

std::optional<std::string> ResolvedPathOf(int descriptor)
{
    // Written with to_chars: printf's machinery would be paged in for this alone.
    constexpr std::string_view prefix = "/proc/self/fd/";
    std::array<char, 32> link{};
    const auto digits = std::copy(prefix.begin(), prefix.end(), link.begin());
    *std::to_chars(digits, link.end() - 1, descriptor).ptr = '\0';
    std::string path(4096, '\0');
    const ssize_t length = ::readlink(link.data(), path.data(), path.size());
    // The kernel marks a path it cannot reach from our root, or one removed
    // since it was opened, in ways that are no path of ours.
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size() || path[0] != '/') {
        return std::nullopt;
    }
    path.resize(static_cast<std::size_t>(length));
    if (path.ends_with(" (deleted)")) {
        return std::nullopt;
    }
    return path;
}

}  // namespace brelvon
