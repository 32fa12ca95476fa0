#include "ReportShape.h"

#include <algorithm>
#include <vector>

namespace brelvon::fuzz {

namespace {

std::vector<std::string> SplitOn(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string TrimSpaces(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Number(const std::optional<std::int64_t>& value) { return value ? std::to_string(*value) : std::string(); }

}  // namespace

std::optional<std::string> ReportShapeProblem(const std::string& report, const DriveTable& table)
{
    constexpr std::size_t FieldsPerLine = 7;  // six TABs, the last one closing the line
    if (report.size() < 2 || report.compare(report.size() - 2, 2, "\r\n") != 0)
        return "the report does not end with CRLF";
    std::vector<std::string> lines = SplitOn(report.substr(0, report.size() - 2), "\r\n");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find_first_of("\r\n") != std::string::npos) {
            return "line " + std::to_string(i + 1) + " holds a CR or LF of its own";
        }
    }
    if (lines.size() < 4 || !lines[1].empty() || !lines[3].empty())
        return "caption, empty line, heading, empty line expected";
    if (lines[0].find('\t') != std::string::npos) return "the caption holds a TAB";
    if (SplitOn(lines[2], "\t").size() != FieldsPerLine) return "the heading line does not have six TABs";

    std::vector<std::string> rowLines;
    std::copy_if(lines.begin() + 4, lines.end(), std::back_inserter(rowLines),
                 [](const std::string& line) { return !line.empty(); });
    if (rowLines.size() != static_cast<std::size_t>(table.DriveRowCount)) {
        return std::to_string(rowLines.size()) + " row lines for " + std::to_string(table.DriveRowCount) + " rows";
    }
    for (int i = 1; i <= table.DriveRowCount; ++i) {
        const DriveTableRow& row = table.Row(i);
        const std::vector<std::string> fields = SplitOn(rowLines[static_cast<std::size_t>(i - 1)], "\t");
        const std::string where = "row " + std::to_string(i) + ": ";
        if (fields.size() != FieldsPerLine) return where + std::to_string(fields.size() - 1) + " TABs, not six";
        if (fields[0] != (row.IsSummary() ? std::string(" ") : row.Letter))
            return where + "the first field is not its letter";
        if (fields[1].compare(0, row.RowLabel.size(), row.RowLabel) != 0 ||
            fields[1].find_first_not_of(' ', row.RowLabel.size()) != std::string::npos) {
            return where + "the second field is not its label padded with spaces";
        }
        const std::optional<std::int64_t> numbers[] = {row.TotalMb, row.FreeMb, row.UsedMb, row.PercentUsed};
        for (std::size_t n = 0; n < 4; ++n) {
            if (TrimSpaces(fields[2 + n]) != Number(numbers[n]))
                return where + "field " + std::to_string(3 + n) + " is not its number";
        }
        if (!fields[6].empty()) return where + "text after the last TAB";
    }
    return std::nullopt;
}

}  // namespace brelvon::fuzz
