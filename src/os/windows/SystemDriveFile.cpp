#include "os/SystemDriveFile.h"

#include "text/TextCleaning.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include <sys/stat.h>

namespace brelvon {

namespace {

[[noreturn]] void FailWithErrno(const std::string& path)
{
    throw DriveFileError(QuoteForMessage(path) + ": " + std::strerror(errno));
}

DriveFileKind KindOf(const struct _stat64& facts)
{
    return {(facts.st_mode & _S_IFMT) == _S_IFDIR, (facts.st_mode & _S_IFMT) == _S_IFREG,
            static_cast<std::uint64_t>(facts.st_size)};
}

}  // namespace

std::vector<DriveRecord> LoadDriveFile(const std::string& path)
{
    // The path is UTF-8, which Windows takes only as UTF-16, whatever its ANSI code page.
    const std::filesystem::path name{std::u8string(path.begin(), path.end())};
    struct _stat64 facts {};
    if (::_wstat64(name.c_str(), &facts) != 0) FailWithErrno(path);
    CheckDriveFileKind(path, KindOf(facts));
    // C stdio rather than a file stream, which would bring the C++ runtime's
    // stream and locale tables into every program that can read a drive file.
    struct Close {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    const std::unique_ptr<std::FILE, Close> file(::_wfopen(name.c_str(), L"rb"));
    if (!file) FailWithErrno(path);
    // What was opened, as the system tells its type: a name such as CON (the
    // console, which would wait for typing) looks like a file to _wstat64.
    if (::_fstat64(::_fileno(file.get()), &facts) != 0) FailWithErrno(path);
    CheckDriveFileKind(path, KindOf(facts));

    std::string text;
    std::array<char, 65536> piece{};
    while (const std::size_t got = std::fread(piece.data(), 1, piece.size(), file.get())) {
        text.append(piece.data(), got);
        // A file that grows while it is read.
        CheckDriveFileKind(path, {false, true, text.size()});
    }
    if (std::ferror(file.get())) throw DriveFileError(QuoteForMessage(path) + ": cannot be read");
    return ParseDriveFile(text, path);
}

}  // namespace brelvon
