#pragma once

#include <exception>
#include <string>
#include <utility>

namespace brelvon {

// What happens to an error that no handler of the program handled: its text
// goes to standard error and into a message box, and the program ends with
// status 1 (at once when the event loop runs, else when the caller asks
// Failed() before starting it).
class UnhandledErrorReport {
public:
    static constexpr int ExitStatus = 1;

    // programName prefixes the line on standard error; title is the message box's.
    UnhandledErrorReport(std::string programName, std::string title)
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
