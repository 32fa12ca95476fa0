#include "survey/DriveSurvey.h"

#include "model/PlatformError.h"
#include "model/Rounding.h"

#include <algorithm>

namespace brelvon {

namespace {

constexpr std::uint64_t BytesPerMegabyte = 1'000'000;

// Category of a listed type, 0 for a type that is not listed.
int CategoryOf(DriveType type, const SurveyOptions& options)
{
    switch (type) {
    case DriveType::Fixed:
    case DriveType::RamDisk: return row_kind::FixedCategory;
    case DriveType::CdRom: return options.ListCdRom ? row_kind::CdRomCategory : 0;
    case DriveType::Removable: return options.ListRemovable ? row_kind::RemovableCategory : 0;
    case DriveType::Network: return options.ListNetwork ? row_kind::NetworkCategory : 0;
    case DriveType::Unknown: break;
    }
    return 0;
}

const std::string& CategoryName(int category, const SurveyOptions& options)
{
    switch (category) {
    case row_kind::CdRomCategory: return options.CdRomName;
    case row_kind::RemovableCategory: return options.RemovableName;
    case row_kind::NetworkCategory: return options.NetworkName;
    default: return options.Words.FixedWord;
    }
}

DriveTableRow ReadDrive(Drive& drive, int category, const SurveyOptions& options)
{
    DriveTableRow row;
    row.Letter = std::string(1, drive.Letter());
    if (drive.IsReady()) {
        row.RowLabel = drive.VolumeName();
        const std::uint64_t total = drive.TotalSize();
        const std::uint64_t free = drive.FreeSpace();
        row.TotalMb = BytesToMegabytes(total);
        row.FreeMb = BytesToMegabytes(free);
        row.UsedMb = *row.TotalMb - *row.FreeMb;
        row.PercentUsed = PercentUsedOf(static_cast<double>(free), static_cast<double>(total));
        row.Details = drive.Details();
    } else {
        row.Ready = false;
        row.WhyNotReady = drive.WhyNotReady();
        row.RowLabel = options.Words.NotReadyWord;
        row.TotalMb = 0;
        row.FreeMb = 0;
        row.UsedMb = 0;
    }
    row.RowKind = category;
    row.CategoryName = CategoryName(category, options);
    return row;
}

}  // namespace

std::int64_t BytesToMegabytes(std::uint64_t bytes)
{
    std::uint64_t whole = bytes / BytesPerMegabyte;
    const std::uint64_t rest = bytes % BytesPerMegabyte;
    if (rest > BytesPerMegabyte / 2 || (rest == BytesPerMegabyte / 2 && whole % 2 == 1)) ++whole;
    return static_cast<std::int64_t>(whole);
}

int PercentUsedOf(double free, double total)
{
    if (total == 0) return 0;
    const double percent = 100.0 - RoundHalfToEven(100.0 * free / total);
    return static_cast<int>(std::clamp(percent, 0.0, 100.0));
}

DriveTable SurveyDrives(DriveService& service, const SurveyOptions& options)
{
    std::vector<DriveTableRow> working;
    {
        const auto drives = service.Drives();
        char previous = 0;
        for (const auto& drive : drives) {
            const int category = CategoryOf(drive->Type(), options);
            if (category == 0) continue;
            const char letter = drive->Letter();
            if (letter < 'A' || letter > 'Z' || letter <= previous) {
                throw PlatformError("The drive service listed drive letters out of order or twice");
            }
            previous = letter;
            if (letter == 'A' || letter == 'B') continue;
            working.push_back(ReadDrive(*drive, category, options));
        }
    }  // the service's drives are released as soon as the enumeration ends

    DriveTable table;
    table.Rows.reserve(working.size() + 6);
    table.Rows.emplace_back();  // row 0: the grand sums
    auto add = [](std::optional<std::int64_t>& sum, const std::optional<std::int64_t>& value) {
        sum = sum.value_or(0) + value.value_or(0);
    };

    for (int category = row_kind::FixedCategory; category <= row_kind::NetworkCategory; ++category) {
        std::int64_t total = 0;
        std::int64_t free = 0;
        std::int64_t used = 0;
        bool any = false;
        for (auto& row : working) {
            if (row.RowKind != category) continue;
            total += *row.TotalMb;
            free += *row.FreeMb;
            used += *row.UsedMb;
            add(table.Rows[0].TotalMb, row.TotalMb);
            add(table.Rows[0].FreeMb, row.FreeMb);
            add(table.Rows[0].UsedMb, row.UsedMb);
            table.Rows.push_back(std::move(row));
            any = true;
        }
        if (!any) continue;
        DriveTableRow subtotal;
        subtotal.Letter = "S";
        subtotal.RowLabel = table.Rows.back().CategoryName;
        subtotal.TotalMb = total;
        subtotal.FreeMb = free;
        subtotal.UsedMb = used;
        subtotal.PercentUsed = PercentUsedOf(static_cast<double>(free), static_cast<double>(total));
        subtotal.RowKind = row_kind::SubtotalBase + category;
        table.Rows.push_back(std::move(subtotal));
    }

    if (table.Rows.back().RowKind == row_kind::SubtotalBase + row_kind::FixedCategory) {
        // Only fixed drives and RAM disks: their subtotal is the total.
        table.Rows.back().RowLabel = options.Words.DrivesWord;
        table.Rows.back().RowKind = row_kind::Total;
    } else {
        const DriveTableRow& grand = table.Rows[0];
        DriveTableRow total;
        total.Letter = "S";
        total.RowLabel = options.Words.DrivesWord;
        total.TotalMb = grand.TotalMb;
        total.FreeMb = grand.FreeMb;
        total.UsedMb = grand.UsedMb;
        total.PercentUsed = PercentUsedOf(static_cast<double>(grand.FreeMb.value_or(0)),
                                          static_cast<double>(grand.TotalMb.value_or(0)));
        total.RowKind = row_kind::Total;
        table.Rows.push_back(std::move(total));  // grand is not used past this point
    }
    table.DriveRowCount = static_cast<std::int16_t>(table.Rows.size() - 1);
    return table;
}

}  // namespace brelvon
