#include "FuzzCheck.h"
#include "FuzzForm.h"
#include "FuzzTargets.h"

#include "drives/DriveFile.h"
#include "refresh/StartUpSwitches.h"

namespace brelvon::fuzz {

namespace {

// One drive of each type that a switch lists or not, so that every switch
// shows in the table.
constexpr std::string_view SmallDriveFile = R"({"drives": [
    {"letter": "C", "type": "fixed", "label": "SYSTEM", "total": 250056704000, "free": 100204544000},
    {"letter": "D", "type": "ramdisk", "label": "RAM", "total": 1000000000, "free": 999000000},
    {"letter": "E", "type": "cdrom", "ready": false},
    {"letter": "F", "type": "removable", "label": "STICK", "total": 16000000000, "free": 4000000000},
    {"letter": "G", "type": "network", "label": "share", "total": 4000000000000, "free": 3999000000000}
]})";

bool Listed(const DriveTable& table, const std::string& letter)
{
    for (int i = 1; i <= table.DriveRowCount; ++i) {
        if (table.Row(i).Letter == letter && !table.Row(i).IsSummary()) return true;
    }
    return false;
}

void CheckLimitSwitch(std::string_view text, std::string_view name)
{
    const LimitSwitch read = ReadLimitSwitch(text, name);
    Require(read.Occurs == HasSwitch(text, name), "a limit switch occurs where its name does");
    Require(read.Occurs ? 0 <= read.Value && read.Value <= 100 : read.Value == -1 && !read.ReadNumber,
            "a limit switch reads as 0..100 when it occurs and -1 when not");
}

}  // namespace

void SwitchTextTarget(std::string_view input)
{
    const unsigned char flags = input.empty() ? 0 : static_cast<unsigned char>(input.front());
    const std::string_view text = input.empty() ? input : input.substr(1);

    CheckLimitSwitch(text, "-Mn");
    CheckLimitSwitch(text, "-Mx");
    for (std::size_t length = 0; length <= 3 && length <= text.size(); ++length) {
        if (const auto number = ReadSwitchNumber(text.substr(0, length))) {
            Require(-999 <= *number && *number <= 999, "a switch number of three characters lies within -999..999");
        }
    }

    FuzzForm::Setup setup;
    setup.Drives = ParseDriveFile(SmallDriveFile, "small drive file");
    if ((flags & 1) != 0) {
        setup.ExeName = std::string(text);
    } else {
        setup.ArgumentText = std::string(text);
    }
    if ((flags & 2) != 0) setup.SystemLangId = 0x040C;
    const bool copyReport = (flags & 4) != 0;
    FuzzForm form(std::move(setup));
    form.Form().Initialize(copyReport);
    Require(!form.Form().Ended(), "start-up does not end the program");
    form.CheckInvariants();

    // The text the switches are read from is the arguments, else the file name.
    const std::string_view switches = (flags & 1) != 0 ? text : (text.empty() ? std::string_view("Brelvon") : text);
    const DriveTable& table = form.Form().LastTable();
    Require(Listed(table, "G") == (HasSwitch(switches, "-Nd1") && !HasSwitch(switches, "-Nd0")),
            "network drives are listed exactly when -Nd1 is given without -Nd0");
    Require(Listed(table, "F") == (HasSwitch(switches, "-Rd1") && !HasSwitch(switches, "-Rd0")),
            "removable drives are listed exactly when -Rd1 is given without -Rd0");
    Require(Listed(table, "E") == (HasSwitch(switches, "-Cd1") && !HasSwitch(switches, "-Cd0")),
            "CD-ROM drives are listed exactly when -Cd1 is given without -Cd0");
    Require(Listed(table, "C") && Listed(table, "D"), "fixed drives and RAM disks are always listed");

    if (copyReport) form.CheckReport();
}

}  // namespace brelvon::fuzz
