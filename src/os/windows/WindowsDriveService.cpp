#include "os/windows/WindowsDriveService.h"

#include "model/PlatformError.h"
#include "os/windows/TimedQuery.h"
#include "os/windows/Win32DriveType.h"
#include "os/windows/WindowsDrive.h"

#include <optional>
#include <string>
#include <utility>

#include <windows.h>

namespace brelvon {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int LetterCount = 26;

// `probe` on a worker thread: no answer within `limit`, or a letter still
// busy with an earlier question, is a drive that is not ready because it did
// not answer.
VolumeProbe WithinLimit(VolumeProbe probe, std::shared_ptr<BusyLetters> busy, std::chrono::milliseconds limit)
{
    return [probe = std::move(probe), busy = std::move(busy), limit](char letter) {
        VolumeAnswer unanswered;
        unanswered.NoAnswer = true;
        if (busy->IsBusy(letter)) return unanswered;
        // The thread gets its own copy: it may outlive this survey's service.
        TimedQuery<VolumeAnswer> query(busy, letter, [probe, letter] { return probe(letter); });
        return query.AnswerBy(Clock::now() + limit).value_or(unanswered);
    };
}

}  // namespace

DriveType QueryDriveType(char letter)
{
    const std::wstring root{static_cast<wchar_t>(letter), L':', L'\\'};
    return DriveTypeFromWin32(::GetDriveTypeW(root.c_str()));
}

WindowsDriveService::WindowsDriveService(VolumeProbe probe, DriveTypeQuery typeOf, std::shared_ptr<BusyLetters> busy,
                                         std::chrono::milliseconds limit)
    : probe_(std::move(probe)),
      networkProbe_(WithinLimit(probe_, busy, limit)),
      typeOf_(std::move(typeOf)),
      busy_(std::move(busy)),
      limit_(limit)
{}

std::vector<std::unique_ptr<Drive>> WindowsDriveService::Drives()
{
    // Bit 0 is A:, bit 25 is Z:. Every Windows has at least its system drive,
    // so no bit at all means the call failed.
    const DWORD letters = ::GetLogicalDrives();
    if (letters == 0) {
        throw PlatformError("cannot list the drives (GetLogicalDrives: error " + std::to_string(::GetLastError()) +
                            ")");
    }

    // Every type question starts at once; together they wait at most the limit.
    std::vector<std::pair<char, std::optional<TimedQuery<DriveType>>>> asked;
    for (int index = 0; index < LetterCount; ++index) {
        if ((letters & (DWORD{1} << index)) == 0) continue;
        const char letter = static_cast<char>('A' + index);
        auto& [askedLetter, query] = asked.emplace_back(letter, std::nullopt);
        if (!busy_->IsBusy(letter)) query.emplace(busy_, letter, [typeOf = typeOf_, letter] { return typeOf(letter); });
    }

    const Clock::time_point deadline = Clock::now() + limit_;
    std::vector<std::unique_ptr<Drive>> drives;
    for (auto& [letter, query] : asked) {
        const DriveType type = query ? query->AnswerBy(deadline).value_or(DriveType::Network) : DriveType::Network;
        drives.push_back(
            std::make_unique<WindowsDrive>(letter, type, type == DriveType::Network ? networkProbe_ : probe_));
    }
    return drives;
}

}  // namespace brelvon
