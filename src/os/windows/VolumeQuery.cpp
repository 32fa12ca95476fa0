#include "os/windows/VolumeQuery.h"

#include "text/TextCleaning.h"

#include "os/windows/ErrorModeGuard.h"
#include "os/windows/WideText.h"

#include <array>
#include <string>

#include <windows.h>

namespace brelvon {

namespace {

// Labels and names longer than this do not exist; the API documents MAX_PATH + 1.
constexpr DWORD NameCapacity = MAX_PATH + 1;

std::wstring TextOf(const std::array<wchar_t, NameCapacity>& buffer)
{
    return std::wstring(buffer.data(), ::wcsnlen(buffer.data(), buffer.size()));
}

std::string DeviceOf(char letter)
{
    const std::wstring drive{static_cast<wchar_t>(letter), L':'};
    std::array<wchar_t, NameCapacity> target{};
    // The answer is a list of names ending in two NULs; the first is the one in use.
    if (::QueryDosDeviceW(drive.c_str(), target.data(), NameCapacity) == 0) return {};
    return Utf8FromWide(TextOf(target));
}

// The answer of a call that failed with `code`: the system's message for it,
// on one line and without its final full stop.
VolumeAnswer Failure(DWORD code)
{
    VolumeAnswer answer;
    answer.NoMedium = code == ERROR_NOT_READY;
    std::array<wchar_t, 512> message{};
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                         nullptr, code, 0, message.data(), static_cast<DWORD>(message.size()), nullptr);
    std::wstring text(message.data(), length);
    while (!text.empty() &&
           (text.back() == L' ' || text.back() == L'.' || text.back() == L'\r' || text.back() == L'\n')) {
        text.pop_back();
    }
    answer.Error = text.empty() ? "error " + std::to_string(code) : Utf8FromWide(text);
    return answer;
}

}  // namespace

VolumeAnswer QueryVolume(char letter)
{
    const std::wstring root{static_cast<wchar_t>(letter), L':', L'\\'};
    const ErrorModeGuard quiet;

    std::array<wchar_t, NameCapacity> label{};
    std::array<wchar_t, NameCapacity> fileSystem{};
    if (!::GetVolumeInformationW(root.c_str(), label.data(), NameCapacity, nullptr, nullptr, nullptr, fileSystem.data(),
                                 NameCapacity)) {
        return Failure(::GetLastError());
    }
    ULARGE_INTEGER available{};
    ULARGE_INTEGER total{};
    ULARGE_INTEGER free{};
    if (!::GetDiskFreeSpaceExW(root.c_str(), &available, &total, &free)) return Failure(::GetLastError());
    if (total.QuadPart == 0) return {};

    VolumeFacts facts;
    facts.Label = CleanLabel(Utf8FromWide(TextOf(label)));
    facts.FileSystem = Utf8FromWide(TextOf(fileSystem));
    facts.Device = DeviceOf(letter);
    facts.TotalBytes = total.QuadPart;
    facts.FreeBytes = free.QuadPart;
    facts.AvailableBytes = available.QuadPart;
    return {facts, false, {}};
}

}  // namespace brelvon
