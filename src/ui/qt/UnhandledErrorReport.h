#pragma once

#include "ui/shared/UnhandledError.h"

#include <string>
#include <utility>

namespace brelvon {

// An unhandled error (see UnhandledError) in a Qt message box; the program
// ends through QCoreApplication::exit.
class UnhandledErrorReport final : public UnhandledError {
public:
    UnhandledErrorReport(std::string programName, std::string title)
        : UnhandledError(std::move(programName), std::move(title))
    {}

private:
    void ShowBox(const std::string& title, const std::string& text) override;
    void EndEventLoop(int status) override;
};

}  // namespace brelvon
