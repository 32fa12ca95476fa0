#include "report/ClipboardReport.h"

#include "text/TextCleaning.h"

#include <cstddef>

namespace brelvon {

namespace {

constexpr const char* Tab = "\t";
constexpr const char* LineEnd = "\r\n";
constexpr std::size_t NumberWidth = 7;
constexpr std::size_t LabelWidth = 12;
constexpr std::size_t LongestPercentHeading = 7;

void AppendRight(std::string& report, const std::string& text)
{
    const std::size_t length = Utf8Length(text);
    if (length < NumberWidth) report.append(NumberWidth - length, ' ');
    report += text;
}

void AppendLabel(std::string& report, const std::string& text)
{
    report += text;
    const std::size_t length = Utf8Length(text);
    if (length < LabelWidth) report.append(LabelWidth - length, ' ');
}

std::string Number(const std::optional<std::int64_t>& value) { return value ? std::to_string(*value) : std::string(); }

}  // namespace

std::string BuildReport(const DriveTable& table, const std::string& caption, const ReportHeadingTexts& headings)
{
    std::string report;
    report.reserve(160 + 80 * static_cast<std::size_t>(table.DriveRowCount));
    report += caption;
    report += LineEnd;
    report += LineEnd;

    report += headings[0];
    report += Tab;
    report += headings[1];
    report += Tab;
    report += Tab;
    for (std::size_t h = 2; h <= 4; ++h) {
        AppendRight(report, headings[h]);
        report += Tab;
    }
    AppendRight(report, Utf8Length(headings[5]) <= LongestPercentHeading ? headings[5] : std::string("%"));
    report += LineEnd;
    report += LineEnd;

    for (int i = 1; i <= table.DriveRowCount; ++i) {
        const DriveTableRow& row = table.Row(i);
        report += row.IsSummary() ? std::string(" ") : row.Letter;
        report += Tab;
        AppendLabel(report, row.RowLabel);
        report += Tab;
        for (const auto& value : {row.TotalMb, row.FreeMb, row.UsedMb, std::optional<std::int64_t>(row.PercentUsed)}) {
            AppendRight(report, Number(value));
            report += Tab;
        }
        report += LineEnd;
        const bool last = i == table.DriveRowCount;
        if (!last && table.Row(i + 1).IsSummary()) report += LineEnd;
        if (row.IsSummary() && (last || table.Row(i + 1).RowKind != row_kind::Total)) report += LineEnd;
    }
    return report;
}

}  // namespace brelvon
