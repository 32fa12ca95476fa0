#include "refresh/RowTexts.h"

#include <string>

namespace brelvon {

namespace {

constexpr std::int64_t MaxExactMegabytes = 100'000'000'000'000;

}  // namespace

std::string SizeInUnit(std::int64_t megabytes, bool inMegabytes, const NumberLocale& locale)
{
    if (inMegabytes) return locale.FormatScaled(megabytes, 0);
    // Tenths of a gigabyte, half away from zero: exact while the value has
    // at most 15 significant digits, beyond that as a double would write it.
    if (megabytes >= 0 && megabytes < MaxExactMegabytes) return locale.FormatScaled((megabytes + 50) / 100, 1);
    return locale.FormatGrouped(static_cast<double>(megabytes) / 1000, 1);
}

void WriteRowTexts(MainWindow& window, int i, const DriveTableRow& row, const NumberLocale& locale)
{
    const bool megabytes = window.MegabytesSelected();
    auto size = [&](const std::optional<std::int64_t>& mb) {
        return SizeInUnit(mb.value_or(0), megabytes, locale) + (megabytes ? " " : "  ");
    };
    window.Text1(i).Text = " " + row.Letter + " ";
    window.Text2(i).Text = " " + row.RowLabel;
    window.Text3(i).Text = size(row.TotalMb);
    window.Text4(i).Text = size(row.FreeMb);
    window.Text5(i).Text = size(row.UsedMb);
    window.Text6(i).Text = std::to_string(row.PercentUsed) + " %   ";

    if (!row.Ready || row.TotalMb.value_or(0) == 0) {
        window.Text3(i).Text = "- ";
        window.Text4(i).Text = "- ";
        window.Text5(i).Text = "- ";
        window.Text6(i).Text = " -   ";
        window.Lin1(i).Visible = false;
        window.Lin2(i).Visible = false;
    }
}

}  // namespace brelvon
