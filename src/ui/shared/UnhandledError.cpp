#include "ui/shared/UnhandledError.h"

#include <iostream>
#include <utility>

namespace brelvon {

UnhandledError::UnhandledError(std::string programName, std::string title)
    : programName_(std::move(programName)), title_(std::move(title))
{}

void UnhandledError::Report(const std::exception& error)
{
    failed_ = true;
    std::cerr << programName_ << ": " << error.what() << '\n' << std::flush;
    ShowBox(title_, error.what());
    EndEventLoop(ExitStatus);
}

}  // namespace brelvon
