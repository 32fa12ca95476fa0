#include "os/windows/ProcessArguments.h"

#include "model/PlatformError.h"
#include "os/windows/WideText.h"

#include <memory>

#include <windows.h>

#include <shellapi.h>

namespace brelvon {

std::vector<std::string> ProcessArguments()
{
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&::LocalFree)> split(::CommandLineToArgvW(::GetCommandLineW(), &count),
                                                                &::LocalFree);
    if (!split) throw PlatformError("cannot read the command line (error " + std::to_string(::GetLastError()) + ")");
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) arguments.push_back(Utf8FromWide(split.get()[i]));
    return arguments;
}

}  // namespace brelvon
