#include "refresh/RowTexts.h"

#include <string>

namespace brelvon {

namespace {

constexpr std::int64_t MaxExactMegabytes = 100'000'000'000'000;

}  // namespace

void WriteRowTexts(MainWindow& window, int i, const DriveTableRow& row, const LanguageWords& words,
                   const NumberLocale& locale)
{
    const bool megabytes = window.MegabytesSelected();
    auto size = [&](const std::optional<std::int64_t>& mb) {
        const std::int64_t value = mb.value_or(0);
        if (megabytes) return locale.FormatScaled(value, 0) + " ";
        // Tenths of a gigabyte, half away from zero: exact while the value has
        // at most 15 significant digits, beyond that as a double would write it.
        if (value >= 0 && value < MaxExactMegabytes) return locale.FormatScaled((value + 50) / 100, 1) + "  ";
        return locale.FormatGrouped(static_cast<double>(value) / 1000, 1) + "  ";
    };
    window.Text1(i).Text = " " + row.Letter + " ";
    window.Text2(i).Text = " " + row.RowLabel;
    window.Text3(i).Text = size(row.TotalMb);
    window.Text4(i).Text = size(row.FreeMb);
    window.Text5(i).Text = size(row.UsedMb);
    window.Text6(i).Text = std::to_string(row.PercentUsed) + " %   ";

    if (row.RowLabel == words.NotReadyWord || row.TotalMb.value_or(0) == 0) {
        window.Text3(i).Text = "- ";
        window.Text4(i).Text = "- ";
        window.Text5(i).Text = "- ";
        window.Text6(i).Text = " -   ";
        window.Lin1(i).Visible = false;
        window.Lin2(i).Visible = false;
    }
}

}  // namespace brelvon
