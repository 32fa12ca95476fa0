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

}  // namespace

std::optional<VolumeFacts> QueryVolume(char letter)
{
    const std::wstring root{static_cast<wchar_t>(letter), L':', L'\\'};
    const ErrorModeGuard quiet;

    std::array<wchar_t, NameCapacity> label{};
    std::array<wchar_t, NameCapacity> fileSystem{};
    if (!::GetVolumeInformationW(root.c_str(), label.data(), NameCapacity, nullptr, nullptr, nullptr, fileSystem.data(),
                                 NameCapacity)) {
        return std::nullopt;
    }
    ULARGE_INTEGER available{};
    ULARGE_INTEGER total{};
    ULARGE_INTEGER free{};
    if (!::GetDiskFreeSpaceExW(root.c_str(), &available, &total, &free) || total.QuadPart == 0) {
        return std::nullopt;
    }

    VolumeFacts facts;
    facts.Label = CleanLabel(Utf8FromWide(TextOf(label)));
    facts.FileSystem = Utf8FromWide(TextOf(fileSystem));
    facts.Device = DeviceOf(letter);
    facts.TotalBytes = total.QuadPart;
    facts.FreeBytes = free.QuadPart;
    facts.AvailableBytes = available.QuadPart;
    return facts;
}

}  // namespace brelvon
