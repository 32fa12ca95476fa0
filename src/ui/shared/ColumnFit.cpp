#include "ui/shared/ColumnFit.h"

#include "ui/shared/TextFit.h"

#include <algorithm>
#include <cstdint>

namespace brelvon {

namespace {

// More digits than this may not fit in 64 bits.
constexpr std::size_t MostDigits = 19;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Grouped(std::uint64_t value, const std::string& separator)
{
    std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

// value / divisor, half away from zero.
std::uint64_t RoundedDivision(std::uint64_t value, std::uint64_t divisor)
{
    return value / divisor + (value % divisor >= (divisor + 1) / 2 ? 1 : 0);
}

}  // namespace

std::optional<SizeForms> SizeFormsOf(const std::string& cellText, bool french)
{
    std::size_t end = cellText.size();
    while (end > 0 && cellText[end - 1] == ' ') --end;
    const std::size_t padding = cellText.size() - end;
    if (padding != 1 && padding != 2) return std::nullopt;
    const bool tenths = padding == 2;  // gigabytes with one decimal
    const std::string body = cellText.substr(0, end);
    if (body.empty() || !IsDigit(body.front()) || !IsDigit(body.back())) return std::nullopt;

    std::vector<std::string> runs;
    std::vector<std::string> separators;
    for (std::size_t i = 0; i < body.size();) {
        std::size_t next = i;
        const bool digits = IsDigit(body[i]);
        while (next < body.size() && IsDigit(body[next]) == digits) ++next;
        (digits ? runs : separators).push_back(body.substr(i, next - i));
        i = next;
    }
    if (tenths) {
        if (separators.empty() || runs.back().size() != 1) return std::nullopt;
        separators.pop_back();
    }
    const std::string group = separators.empty() ? std::string() : separators.front();
    // The whole part: up to three digits, then groups of three, one separator between them.
    const std::size_t wholeRuns = runs.size() - (tenths ? 1 : 0);
    for (std::size_t i = 1; i < wholeRuns; ++i) {
        if (runs[i].size() != 3 || separators[i - 1] != group) return std::nullopt;
    }
    if (wholeRuns > 1 && runs.front().size() > 3) return std::nullopt;
    std::string digits;
    for (const std::string& run : runs) digits += run;
    if (digits.size() > MostDigits) return std::nullopt;
    const std::uint64_t value = std::stoull(digits);

    const char* const megabytes = french ? "Mo" : "MB";
    const char* const gigabytes = french ? "Go" : "GB";
    const char* const terabytes = french ? "To" : "TB";
    // Whole gigabytes and terabytes from megabytes or from tenths of a gigabyte.
    const std::uint64_t perGigabyte = tenths ? 10 : 1000;
    SizeForms forms;
    forms.Exact = body + " " + (tenths ? gigabytes : megabytes);
    forms.Shorter.push_back(Grouped(RoundedDivision(value, perGigabyte), group) + " " + gigabytes + " ");
    forms.Shorter.push_back(Grouped(RoundedDivision(value, perGigabyte * 1000), group) + " " + terabytes + " ");
    return forms;
}

ColumnFit FitColumn(const std::vector<ColumnCellTexts>& cells, double available,
                    const std::function<double(std::size_t cell, const std::string& text, double pointSize)>& widthAt)
{
    ColumnFit fit;
    if (cells.empty()) return fit;
    fit.PointSize = cells.front().PointSize;
    for (const ColumnCellTexts& cell : cells) fit.PointSize = std::min(fit.PointSize, cell.PointSize);

    fit.Chosen.assign(cells.size(), 0);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::vector<std::string>& texts = cells[i].Texts;
        if (texts.size() < 2 || widthAt(i, texts.front(), fit.PointSize) <= available) continue;
        std::size_t chosen = 0;
        while (chosen + 1 < texts.size() && widthAt(i, texts[chosen], MinimumFitPointSize) > available) ++chosen;
        fit.Chosen[i] = chosen;
    }
    fit.PointSize = FittingPointSize(fit.PointSize, available, [&](double pointSize) {
        double widest = 0;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (cells[i].Texts.empty()) continue;
            widest = std::max(widest, widthAt(i, cells[i].Texts[fit.Chosen[i]], pointSize));
        }
        return widest;
    });
    return fit;
}

}  // namespace brelvon
