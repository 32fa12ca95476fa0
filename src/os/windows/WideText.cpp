#include "os/windows/WideText.h"

#include "model/PlatformError.h"

#include <climits>

#include <windows.h>

namespace brelvon {

namespace {

int CheckedLength(std::size_t length)
{
    if (length > static_cast<std::size_t>(INT_MAX)) throw PlatformError("text too long to convert");
    return static_cast<int>(length);
}

}  // namespace

std::string Utf8FromWide(std::wstring_view text)
{
    if (text.empty()) return {};
    // No WC_ERR_INVALID_CHARS: an unpaired surrogate is replaced, not refused.
    const int length = CheckedLength(text.size());
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) throw PlatformError("cannot convert text from UTF-16 to UTF-8");
    std::string result(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(), bytes, nullptr, nullptr);
    return result;
}

std::wstring WideFromUtf8(std::string_view text)
{
    if (text.empty()) return {};
    const int length = CheckedLength(text.size());
    const int units = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    if (units <= 0) throw PlatformError("cannot convert text from UTF-8 to UTF-16");
    std::wstring result(static_cast<std::size_t>(units), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), length, result.data(), units);
    return result;
}

}  // namespace brelvon
