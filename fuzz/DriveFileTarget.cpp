#include "FuzzCheck.h"
#include "FuzzForm.h"
#include "FuzzTargets.h"

#include "drives/DriveFile.h"
#include "text/TextCleaning.h"

namespace brelvon::fuzz {

void DriveFileTarget(std::string_view input)
{
    std::vector<DriveRecord> records;
    try {
        records = ParseDriveFile(input, "fuzz.json");
    } catch (const DriveFileError& error) {
        // A refusal is one line naming the file.
        const std::string message = error.what();
        Require(message.rfind("fuzz.json", 0) == 0, "a drive-file error names the file");
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
