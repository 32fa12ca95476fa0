#pragma once

#include "drives/DriveService.h"
#include "survey/DriveTable.h"
#include "survey/LanguageWords.h"

#include <cstdint>
#include <string>

namespace brelvon {

// What the survey reads from the window.
struct SurveyOptions {
    bool ListRemovable = false;
    bool ListNetwork = false;
    bool ListCdRom = false;
    // Category names: the captions of the three drive-type boxes.
    std::string CdRomName;
    std::string RemovableName;
    std::string NetworkName;
    LanguageWords Words;
};

// Surveys the drives of a fresh service and builds the drive table.
//
// Fixed drives and RAM disks are always listed, the other types when their
// option says so, drives lettered A or B and drives of unknown type never.
// Sizes are bytes / 1,000,000 rounded half to even; a drive's percentage comes
// from its bytes, a summary row's from its megabyte sums, which are exact.
// A drive-service error propagates as PlatformError.
[[nodiscard]] DriveTable SurveyDrives(DriveService& service, const SurveyOptions& options);

// bytes / 1,000,000 rounded half to even, exactly.
[[nodiscard]] std::int64_t BytesToMegabytes(std::uint64_t bytes);
// 100 - round(100 * free / total), half to even, kept within 0..100; 0 when total is 0.
[[nodiscard]] int PercentUsedOf(double free, double total);

}  // namespace brelvon
