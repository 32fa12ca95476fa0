#pragma once

#include "drives/Drive.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brelvon {

// Row kinds: drive rows carry their category 1 to 4, subtotal rows 50 plus the
// category, the total row 100.
namespace row_kind {
inline constexpr int FixedCategory = 1;  // fixed drives and RAM disks
inline constexpr int CdRomCategory = 2;
inline constexpr int RemovableCategory = 3;
inline constexpr int NetworkCategory = 4;
inline constexpr int SubtotalBase = 50;
inline constexpr int Total = 100;
}  // namespace row_kind

// One row of the drive table. Sizes are whole decimal megabytes.
struct DriveTableRow {
    std::string Letter;    // the drive letter; "S" for a subtotal or total row
    std::string RowLabel;  // volume name, not-ready word, category name or total word
    // Empty only in the total row of a table without drives.
    std::optional<std::int64_t> TotalMb;
    std::optional<std::int64_t> FreeMb;
    std::optional<std::int64_t> UsedMb;
    int PercentUsed = 0;  // 0 to 100
    int RowKind = 0;
    std::string CategoryName;  // drive rows only
    // Whether the row shows a drive's sizes: false only for the row of a drive
    // that is not ready, whatever its label says. Summary rows are ready.
    bool Ready = true;
    // Drive rows of ready drives: what the drive service knows beyond the columns.
    std::optional<DriveDetails> Details;
    // Drive rows of drives that are not ready: why, when the service knows.
    std::optional<NotReadyReason> WhyNotReady;

    [[nodiscard]] bool IsSummary() const { return RowKind > row_kind::SubtotalBase; }
};

// The drives listed by one survey, grouped by category, each category closed
// by a subtotal row and the whole by a total row. Built by every refresh and
// dropped at its end.
struct DriveTable {
    // Rows[0] holds the running grand sums and is never shown; rows 1 to
    // DriveRowCount are in display order.
    std::vector<DriveTableRow> Rows;
    std::int16_t DriveRowCount = 0;

    // Row i, 1 to DriveRowCount.
    [[nodiscard]] const DriveTableRow& Row(int i) const { return Rows[static_cast<std::size_t>(i)]; }
};

}  // namespace brelvon
