#pragma once

#include "ui/shared/UnhandledError.h"

#include <string>
#include <utility>

namespace brelvon {

// An unhandled error (see UnhandledError) in a Windows message box that
// every window of the program waits for; the message loop ends with WM_QUIT.
class UnhandledErrorBox final : public UnhandledError {
public:
    UnhandledErrorBox(std::string programName, std::string title)
        : UnhandledError(std::move(programName), std::move(title))
    {}

private:
    void ShowBox(const std::string& title, const std::string& text) override;
    void EndEventLoop(int status) override;
};

}  // namespace brelvon
