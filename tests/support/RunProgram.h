#pragma once

#include <string>
#include <vector>

namespace brelvon::test {

struct ProgramResult {
    int ExitCode = -1;  // -1 when the program did not exit normally
    std::string Out;
    std::string Err;
};

// Runs a program with arguments (no shell involved) and collects its output.
[[nodiscard]] ProgramResult RunProgram(const std::string& path, const std::vector<std::string>& arguments);

}  // namespace brelvon::test
