#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brelvon {

// Reads the small files and directories of /proc, /sys and /dev with as few
// system calls as they allow: no stream buffers, and names looked up relative
// to an open directory where the caller has one, so that the kernel does not
// walk the same long sysfs path again for every file in it. Every `path` is
// taken relative to `directory` (a descriptor, or AT_FDCWD for the working
// directory); an absolute path ignores it.

// The whole file, read until end of file (a pseudo file may answer in pieces).
// Nullopt when it cannot be opened or read.
[[nodiscard]] std::optional<std::string> ReadWholeFile(int directory, const char* path);

// The file's first line without its line end; nullopt when the file cannot be
// read or is empty. Stops reading at the first line end.
[[nodiscard]] std::optional<std::string> ReadFirstLine(int directory, const char* path);

// The decimal number a sysfs attribute starts with; nullopt when the file
// cannot be read or does not start with a digit.
[[nodiscard]] std::optional<std::uint64_t> ReadNumber(int directory, const char* path);

// The names in a directory, "." and ".." left out, in the order the file
// system lists them; empty when it cannot be read.
[[nodiscard]] std::vector<std::string> DirectoryNames(int directory, const char* path);

// The same of a directory already open for reading, from where its listing
// stands (its start when just opened).
[[nodiscard]] std::vector<std::string> NamesInOpenDirectory(int listing);

// The path the kernel holds for an open descriptor, every symbolic link of
// the path it was opened by resolved: what realpath() gives, in one system
// call instead of one per component. Nullopt where /proc is not mounted.
[[nodiscard]] std::optional<std::string> ResolvedPathOf(int descriptor);

}  // namespace brelvon
