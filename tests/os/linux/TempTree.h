#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace brelvon::testing {

// A directory tree made up for one test and removed after it: a fake /sys,
// /dev or udev database.
class TempTree {
public:
    TempTree()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "brelvon-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a temporary directory");
        }
        root_ = pattern;
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;
    ~TempTree()
    {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    [[nodiscard]] const std::filesystem::path& Root() const { return root_; }

    // Writes `content` to the file at `relative`, making its directories.
    std::filesystem::path Write(const std::filesystem::path& relative, const std::string& content) const
    {
        const auto path = root_ / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << content;
        return path;
    }

    std::filesystem::path Directory(const std::filesystem::path& relative) const
    {
        const auto path = root_ / relative;
        std::filesystem::create_directories(path);
        return path;
    }

    // Makes a symbolic link at `relative` pointing to `target` (kept as given,
    // so relative targets stay relative like sysfs's).
    void Link(const std::filesystem::path& relative, const std::filesystem::path& target) const
    {
        const auto path = root_ / relative;
        std::filesystem::create_directories(path.parent_path());
        std::filesystem::create_symlink(target, path);
    }

private:
    std::filesystem::path root_;
};

}  // namespace brelvon::testing
