#pragma once

#include <exception>
#include <string>
#include <utility>

namespace brelvon {

// What happens to an error that no handler of the program handled: its text
// goes to standard error (where the program has one) and into a message box,
// and the program ends with status 1: the message loop stops, or, before it
// runs, the caller asks Failed().
class UnhandledErrorBox {
public:
    static constexpr int ExitStatus = 1;

    // programName prefixes the line on standard error; title is the message box's.
    UnhandledErrorBox(std::string programName, std::string title)
        : programName_(std::move(programName)), title_(std::move(title))
    {}

    void Report(const std::exception& error);
    [[nodiscard]] bool Failed() const { return failed_; }

private:
    std::string programName_;
    std::string title_;
    bool failed_ = false;
};

}  // namespace brelvon
