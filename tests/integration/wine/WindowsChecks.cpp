// brelvon-windows-checks: checks of the Windows drive service, its text
// conversion, error mode, locale separators and system language, run on
// Windows or under Wine by run-wine-tests.sh. Without GoogleTest, so that the
// cross build stays small. Prints one line per check and "N passed, M failed";
// exits 1 when a check failed, 2 for a bad command line.
//
//   brelvon-windows-checks                        the checks that need no set-up
//   ... --drive C=2:TOTAL:FREE --drive J=4:-      this machine's drives must be exactly
//                                                 these: letter=type code, then total and
//                                                 free bytes, or "-" for not ready
//   ... --tolerance BYTES                         how far free space may move meanwhile
//   ... --label C=HEX                             C:'s label, as hexadecimal UTF-8 bytes
//   ... --locale fr_LU.UTF-8                      the system LANGID must be ours for it
#include "model/PlatformError.h"
#include "os/SystemLanguage.h"
#include "os/SystemNumberLocale.h"
#include "os/windows/BusyLetters.h"
#include "os/windows/ErrorModeGuard.h"
#include "os/windows/WideText.h"
#include "os/windows/Win32DriveType.h"
#include "os/windows/WindowsDrive.h"
#include "os/windows/WindowsDriveService.h"
#include "survey/DriveSurvey.h"
#include "text/LanguageIds.h"
#include "text/NumberLocale.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <windows.h>

namespace brelvon {
namespace {

int passed = 0;
int failed = 0;

void Check(bool ok, const std::string& name, const std::string& detail = {})
{
    (ok ? passed : failed) += 1;
    std::cout << (ok ? "ok - " : "not ok - ") << name;
    if (!ok && !detail.empty()) std::cout << ": " << detail;
    std::cout << '\n';
}

std::string Hex(std::string_view bytes)
{
    static const char* digits = "0123456789abcdef";
    std::string text;
    for (const unsigned char c : bytes) {
        text += digits[c >> 4];
        text += digits[c & 15];
    }
    return text;
}

std::string Hex16(unsigned value)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "0x%04X", value);
    return buffer;
}

void CheckDriveTypeMapping()
{
    struct Case {
        unsigned Win32;
        DriveType Expected;
    };
    const Case cases[] = {
        {DRIVE_UNKNOWN, DriveType::Unknown},     {DRIVE_NO_ROOT_DIR, DriveType::Unknown},
        {DRIVE_REMOVABLE, DriveType::Removable}, {DRIVE_FIXED, DriveType::Fixed},
        {DRIVE_REMOTE, DriveType::Network},      {DRIVE_CDROM, DriveType::CdRom},
        {DRIVE_RAMDISK, DriveType::RamDisk},     {7, DriveType::Unknown},
        {0xFFFFFFFFu, DriveType::Unknown},
    };
    for (const auto& c : cases) {
        const DriveType got = DriveTypeFromWin32(c.Win32);
        Check(got == c.Expected,
              "GetDriveTypeW " + std::to_string(c.Win32) + " is type code " +
                  std::to_string(static_cast<int>(c.Expected)),
              "got " + std::to_string(static_cast<int>(got)));
    }
}

void CheckWideText()
{
    struct Case {
        std::wstring Wide;
        std::string Utf8;
    };
    const Case both[] = {
        {L"", ""},
        {L"SYSTEM", "SYSTEM"},
        {L"Donn\u00e9es", "Donn\xc3\xa9"
                          "es"},
        {L"\u2713", "\xe2\x9c\x93"},
        {L"\xD834\xDD1E", "\xf0\x9d\x84\x9e"},  // U+1D11E, a surrogate pair in UTF-16
    };
    for (const auto& c : both) {
        const std::string text = c.Utf8.empty() ? "empty text" : Hex(c.Utf8);
        Check(Utf8FromWide(c.Wide) == c.Utf8, "UTF-16 to UTF-8 of " + text, Hex(Utf8FromWide(c.Wide)));
        Check(WideFromUtf8(c.Utf8) == c.Wide, "UTF-8 to UTF-16 of " + text);
    }
    // A damaged label still shows, with U+FFFD where the damage is.
    Check(Utf8FromWide(std::wstring{L'a', wchar_t(0xD800), L'b'}) == "a\xef\xbf\xbd"
                                                                     "b",
          "an unpaired surrogate becomes U+FFFD", Hex(Utf8FromWide(std::wstring{L'a', wchar_t(0xD800), L'b'})));
    Check(WideFromUtf8("a\xff"
                       "b") == std::wstring{L'a', wchar_t(0xFFFD), L'b'},
          "a byte that is not UTF-8 becomes U+FFFD");
}

void CheckErrorModeGuard()
{
    const DWORD before = ::GetThreadErrorMode();
    ::SetThreadErrorMode(SEM_NOGPFAULTERRORBOX, nullptr);
    {
        const ErrorModeGuard outer;
        const DWORD inside = ::GetThreadErrorMode();
        Check((inside & SEM_FAILCRITICALERRORS) != 0, "inside the guard no insert-a-disk dialog comes up");
        Check((inside & SEM_NOGPFAULTERRORBOX) != 0, "the guard keeps the thread's other error-mode flags");
        {
            const ErrorModeGuard inner;
        }
        Check(::GetThreadErrorMode() == inside, "an inner guard restores the outer guard's mode");
    }
    Check(::GetThreadErrorMode() == SEM_NOGPFAULTERRORBOX, "the guard restores the thread's mode",
          Hex16(::GetThreadErrorMode()));
    ::SetThreadErrorMode(before, nullptr);
}

void CheckNumberLocales()
{
    struct Case {
        const char* Name;
        const char* Decimal;
        const char* Group;  // nullptr: whatever the system's data says, as long as it is not the decimal
    };
    const Case cases[] = {
        {"en_US.UTF-8", ".", ","},    {"C", ".", ","},
        {"POSIX", ".", ","},          {"", ".", ","},
        {"de_DE", ",", "."},          {"fr_FR.UTF-8", ",", nullptr},
        {"fr_FR@euro", ",", nullptr}, {"xx_QQ", ".", ","},
    };
    for (const auto& c : cases) {
        const NumberLocale locale = NumberLocaleForName(c.Name);
        const bool groupOk = c.Group != nullptr ? locale.GroupSeparator() == c.Group
                                                : !locale.GroupSeparator().empty() &&
                                                      locale.GroupSeparator() != locale.DecimalSeparator();
        Check(locale.DecimalSeparator() == c.Decimal && groupOk,
              std::string("separators of the locale \"") + c.Name + "\"",
              Hex(locale.DecimalSeparator()) + " " + Hex(locale.GroupSeparator()));
    }
    const NumberLocale user = SystemNumberLocale();
    Check(!user.DecimalSeparator().empty() && user.DecimalSeparator() != user.GroupSeparator(),
          "the user's locale has a decimal separator of its own");
}

// Wraps a probe and records which letters were asked.
struct CountingProbe {
    std::shared_ptr<std::map<char, int>> Asked = std::make_shared<std::map<char, int>>();
    VolumeProbe Inner;

    VolumeAnswer operator()(char letter) const
    {
        ++(*Asked)[letter];
        return Inner(letter);
    }
};

void CheckDriveAsksItsVolumeOnce()
{
    VolumeFacts facts;
    facts.Label = "DATA";
    facts.TotalBytes = 1000;
    facts.FreeBytes = 400;
    facts.AvailableBytes = 300;
    CountingProbe ready{.Inner = [facts](char) { return VolumeAnswer{facts, false, {}}; }};
    WindowsDrive drive('D', DriveType::Fixed, ready);
    Check(ready.Asked->empty(), "making a drive does not ask its volume");
    const bool isReady = drive.IsReady();
    const DriveDetails details = drive.Details();
    Check(isReady && drive.VolumeName() == "DATA" && drive.TotalSize() == 1000 && drive.FreeSpace() == 400 &&
              details.AvailableBytes == 300u && details.MountPoint == "D:\\",
          "a ready drive answers from its volume's facts: free is the volume's, available is the user's");
    Check((*ready.Asked)['D'] == 1, "a drive asks its volume once however often it is asked",
          std::to_string((*ready.Asked)['D']));

    CountingProbe empty{.Inner = [](char) { return VolumeAnswer{std::nullopt, true, "The device is not ready"}; }};
    WindowsDrive cdrom('E', DriveType::CdRom, empty);
    bool threw = false;
    try {
        (void)cdrom.VolumeName();
    } catch (const PlatformError&) {
        threw = true;
    }
    Check(!cdrom.IsReady() && threw && (*empty.Asked)['E'] == 1,
          "a drive without medium is not ready, refuses its label and is asked once");
    const std::optional<NotReadyReason> why = cdrom.WhyNotReady();
    Check(why && why->What == NotReadyReason::Kind::NoMedium && (*empty.Asked)['E'] == 1,
          "a drive without medium says so without asking again");
}

void CheckSurveyAsksListedDrivesOnly()
{
    WindowsDriveService lister;
    std::map<char, DriveType> types;
    for (const auto& drive : lister.Drives()) types[drive->Letter()] = drive->Type();

    for (const bool everything : {false, true}) {
        CountingProbe probe{.Inner = QueryVolume};
        WindowsDriveService service(probe);
        SurveyOptions options;
        options.ListCdRom = options.ListNetwork = options.ListRemovable = everything;
        (void)SurveyDrives(service, options);
        std::string wrong;
        for (const auto& [letter, type] : types) {
            const bool listed = letter != 'A' && letter != 'B' && type != DriveType::Unknown &&
                                (everything || type == DriveType::Fixed || type == DriveType::RamDisk);
            const int asked = probe.Asked->count(letter) != 0 ? probe.Asked->at(letter) : 0;
            if (asked != (listed ? 1 : 0)) wrong += std::string(1, letter) + ":" + std::to_string(asked) + " ";
        }
        Check(wrong.empty(),
              std::string("a survey asks each listed volume once and no other") +
                  (everything ? " (every category ticked)" : " (fixed drives only)"),
              "asked " + wrong);
    }
}

// A question about C: that hangs until released, as one about a dead share
// does: C: is given up as a network drive that is not ready, not asked again
// while the question hangs, and asked again once it has returned. Once for a
// hanging type question, once for a network drive whose volume hangs.
void CheckHungQuestionsAreGivenUp()
{
    constexpr std::chrono::milliseconds limit{200};
    struct Case {
        const char* Name;
        bool TypeHangs;
    };
    for (const Case& c : {Case{"its type", true}, Case{"its volume", false}}) {
        const std::string name = std::string("a drive whose question about ") + c.Name + " hangs";
        HANDLE release = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        auto asked = std::make_shared<std::atomic<int>>(0);
        const auto hangOnC = [release, asked](char letter) {
            if (letter != 'C') return;
            ++*asked;
            ::WaitForSingleObject(release, INFINITE);
        };
        const DriveTypeQuery typeOf = [&c, hangOnC](char letter) {
            if (c.TypeHangs) hangOnC(letter);
            return letter == 'C' && !c.TypeHangs ? DriveType::Network : QueryDriveType(letter);
        };
        const VolumeProbe probe = [&c, hangOnC](char letter) {
            if (!c.TypeHangs) hangOnC(letter);
            return QueryVolume(letter);
        };
        auto busy = std::make_shared<BusyLetters>();
        // C: as one survey finds it: its type, whether it is ready, and whether it was given up.
        const auto surveyC = [&] {
            WindowsDriveService service(probe, typeOf, busy, limit);
            for (const auto& drive : service.Drives()) {
                if (drive->Letter() != 'C') continue;
                const bool ready = drive->IsReady();
                const auto why = ready ? std::nullopt : drive->WhyNotReady();
                return std::make_tuple(drive->Type(), ready, why && why->What == NotReadyReason::Kind::NoAnswer);
            }
            return std::make_tuple(DriveType::Unknown, false, false);
        };

        const auto first = surveyC();
        Check(first == std::make_tuple(DriveType::Network, false, true) && busy->IsBusy('C'),
              name + " is a network drive that did not answer");
        const auto second = surveyC();
        Check(second == first && *asked == 1, name + " is not asked again while the question hangs",
              "asked " + std::to_string(*asked) + " times");
        ::SetEvent(release);
        for (int wait = 0; wait < 250 && busy->IsBusy('C'); ++wait) ::Sleep(20);
        const auto [type, ready, gaveUp] = surveyC();
        Check(ready && !gaveUp && *asked == 2 && (type == DriveType::Fixed) == c.TypeHangs,
              name + " is asked again once the question has returned");
        ::CloseHandle(release);
    }
}

struct ExpectedDrive {
    char Letter = 0;
    int Type = 0;
    std::optional<std::uint64_t> Total;  // nullopt: not ready
    std::uint64_t Free = 0;
};

// "C=2:270553174016:81491746816" or "J=4:-"
std::optional<ExpectedDrive> ParseExpectedDrive(const std::string& text)
{
    ExpectedDrive drive;
    char ready[32] = {};
    unsigned long long total = 0;
    unsigned long long free = 0;
    if (std::sscanf(text.c_str(), "%c=%d:%31[^:]", &drive.Letter, &drive.Type, ready) != 3) return std::nullopt;
    if (std::string(ready) == "-") return drive;
    if (std::sscanf(text.c_str(), "%*c=%*d:%llu:%llu", &total, &free) != 2) return std::nullopt;
    drive.Total = total;
    drive.Free = free;
    return drive;
}

void CheckThisMachinesDrives(const std::vector<ExpectedDrive>& expected, std::uint64_t tolerance)
{
    WindowsDriveService service;
    auto drives = service.Drives();
    std::string letters;
    std::string wanted;
    for (const auto& drive : drives) letters += drive->Letter();
    for (const auto& drive : expected) wanted += drive.Letter;
    Check(letters == wanted, "the drive letters, in order, are " + wanted, "got " + letters);

    for (const auto& want : expected) {
        const std::string name = std::string("drive ") + want.Letter + ": ";
        Drive* drive = nullptr;
        for (const auto& candidate : drives) {
            if (candidate->Letter() == want.Letter) drive = candidate.get();
        }
        if (drive == nullptr) continue;
        Check(static_cast<int>(drive->Type()) == want.Type, name + "has type code " + std::to_string(want.Type),
              "got " + std::to_string(static_cast<int>(drive->Type())));
        if (want.Type == 0) continue;  // never listed, never asked
        const bool ready = drive->IsReady();
        Check(ready == want.Total.has_value(), name + (want.Total ? "is ready" : "is not ready"));
        if (!ready || !want.Total) continue;
        const std::uint64_t total = drive->TotalSize();
        const std::uint64_t free = drive->FreeSpace();
        Check(total == *want.Total, name + "total bytes equal the folder's statvfs",
              std::to_string(total) + " against " + std::to_string(*want.Total));
        const std::uint64_t apart = free > want.Free ? free - want.Free : want.Free - free;
        Check(apart <= tolerance, name + "free bytes are the folder's statvfs",
              std::to_string(free) + " against " + std::to_string(want.Free));
    }
}

void CheckLabel(char letter, const std::string& hexLabel)
{
    WindowsDriveService service;
    for (const auto& drive : service.Drives()) {
        if (drive->Letter() != letter) continue;
        const std::string label = drive->IsReady() ? drive->VolumeName() : std::string();
        Check(Hex(label) == hexLabel, std::string("the label of ") + letter + ": arrives as UTF-8", Hex(label));
        return;
    }
    Check(false, std::string("the label of ") + letter + ": arrives as UTF-8", "no such drive");
}

void CheckLanguage(const std::string& localeName)
{
    const std::uint16_t system = SystemDefaultLangId();
    const std::uint16_t ours = LangIdForLocaleName(localeName);
    std::cout << "# " << localeName << ": GetSystemDefaultLangID " << Hex16(system) << ", ours " << Hex16(ours) << '\n';
    Check(system == ours, "the system LANGID for " + localeName + " is the one we make of the locale",
          Hex16(system) + " against " + Hex16(ours));
}

}  // namespace
}  // namespace brelvon

int main(int argc, char** argv)
{
    using namespace brelvon;
    std::vector<ExpectedDrive> drives;
    std::uint64_t tolerance = 0;
    std::vector<std::pair<char, std::string>> labels;
    std::vector<std::string> locales;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            std::cerr << "brelvon-windows-checks: " << option << " needs a value\n";
            return 2;
        }
        const std::string value = argv[++i];
        if (option == "--drive") {
            const auto drive = ParseExpectedDrive(value);
            if (!drive) {
                std::cerr << "brelvon-windows-checks: bad drive " << value << '\n';
                return 2;
            }
            drives.push_back(*drive);
        } else if (option == "--tolerance") {
            tolerance = std::strtoull(value.c_str(), nullptr, 10);
        } else if (option == "--label" && value.size() >= 2 && value[1] == '=') {
            labels.emplace_back(value[0], value.substr(2));
        } else if (option == "--locale") {
            locales.push_back(value);
        } else {
            std::cerr << "brelvon-windows-checks: unknown option " << option << '\n';
            return 2;
        }
    }

    try {
        CheckDriveTypeMapping();
        CheckWideText();
        CheckErrorModeGuard();
        CheckNumberLocales();
        CheckDriveAsksItsVolumeOnce();
        CheckSurveyAsksListedDrivesOnly();
        CheckHungQuestionsAreGivenUp();
        if (!drives.empty()) CheckThisMachinesDrives(drives, tolerance);
        for (const auto& [letter, hex] : labels) CheckLabel(letter, hex);
        for (const auto& locale : locales) CheckLanguage(locale);
    } catch (const std::exception& error) {
        Check(false, "the checks ran to their end", error.what());
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}
