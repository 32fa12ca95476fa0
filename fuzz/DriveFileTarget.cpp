#include "FuzzCheck.h"
#include "FuzzForm.h"
#include "FuzzTargets.h"

#include "drives/DriveFile.h"
#include "text/TextCleaning.h"

#include <algorithm>

namespace brelvon::fuzz {

namespace {

// The longest refusal: the file name, a drive number, the longest wording
// (of "type") and a quoted value of up to 40 characters of 4 bytes each.
constexpr std::size_t MaxMessageBytes = 400;

}  // namespace

void DriveFileTarget(std::string_view input)
{
    std::vector<DriveRecord> records;
    try {
        records = ParseDriveFile(input, "fuzz.json");
    } catch (const DriveFileError& error) {
        // A refusal is one short line naming the file, whatever the input
        // quotes: no control character, and a bad value cut short.
        const std::string message = error.what();
        Require(message.rfind("fuzz.json: ", 0) == 0, "a drive-file error names the file");
        Require(message.size() <= MaxMessageBytes, "a drive-file error is short");
        Require(std::none_of(message.begin(), message.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }),
                "a drive-file error is one line without control characters");
        Require(ReplaceInvalidUtf8(message) == message, "a drive-file error is well-formed UTF-8");
        return;
    }
    // Any other exception escapes and aborts: the loader throws nothing else.

    char previous = 0;
    for (const DriveRecord& record : records) {
        Require(record.Letter >= 'A' && record.Letter <= 'Z' && record.Letter > previous,
                "records come in ascending letter order A to Z, each letter once");
        previous = record.Letter;
        Require(!record.Ready || record.FreeBytes <= record.TotalBytes, "free space never exceeds the total");
        Require(CleanLabel(record.Label) == record.Label, "labels come clean");
        Require(ReplaceInvalidUtf8(record.Details.MountPoint) == record.Details.MountPoint,
                "texts come as well-formed UTF-8");
    }

    FuzzForm::Setup setup;
    setup.Drives = std::move(records);
    setup.ArgumentText = "-Nd1 -Rd1 -Cd1";
    FuzzForm form(std::move(setup));
    form.Form().Initialize(/*copyReport=*/true);
    form.CheckInvariants();
    form.CheckReport();
}

}  // namespace brelvon::fuzz
