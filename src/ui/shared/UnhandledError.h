#pragma once

#include <exception>
#include <string>

namespace brelvon {

// What happens to an error that no handler of the program handled: its text
// goes to standard error and into a message box, and the program ends with
// status 1: the event loop stops, or, before it runs, the caller asks
// Failed(). Each window binding shows the box and stops its loop.
class UnhandledError {
public:
    static constexpr int ExitStatus = 1;

    UnhandledError(const UnhandledError&) = delete;
    UnhandledError& operator=(const UnhandledError&) = delete;
    virtual ~UnhandledError() = default;

    void Report(const std::exception& error);
    [[nodiscard]] bool Failed() const { return failed_; }

protected:
    // programName prefixes the line on standard error; title is the message box's.
    UnhandledError(std::string programName, std::string title);

private:
    // Shows the text in a message box and returns once it is closed.
    virtual void ShowBox(const std::string& title, const std::string& text) = 0;
    // Makes the event loop end with the status, or not start.
    virtual void EndEventLoop(int status) = 0;

    std::string programName_;
    std::string title_;
    bool failed_ = false;
};

}  // namespace brelvon
