#include "text/NumberLocale.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace brelvon {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The decimal point of the C library's locale, which strtod reads and printf
// writes. A program may have set that locale to the user's (every Qt program
// does), and then strtod stops at '.' and printf writes ','.
std::string CDecimalPoint()
{
    const char* point = std::localeconv()->decimal_point;
    return point != nullptr && *point != '\0' ? point : ".";
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Adds one to a string of decimal digits.
void Increment(std::string& digits)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

NumberLocale::NumberLocale(std::string decimalSeparator, std::string groupSeparator)
    : decimal_(std::move(decimalSeparator)), group_(std::move(groupSeparator))
{}

std::optional<double> NumberLocale::Parse(std::string_view text) const
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

    std::string plain;  // the number in the C library's notation, for strtod
    const std::string cPoint = CDecimalPoint();
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    int digits = 0;
    bool separatorSeen = false;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            plain += text[i++];
            ++digits;
        } else if (!separatorSeen && text.substr(i, decimal_.size()) == decimal_) {
            plain += cPoint;
            i += decimal_.size();
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        int exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            plain += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    const double value = std::strtod(plain.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::string NumberLocale::FormatGeneral(double value) const
{
    if (value == 0.0) return "0";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    // "%G" writes "1E+15"; "1.5E+15" keeps its decimal point for the separator below.
    const std::string cPoint = CDecimalPoint();
    if (const auto point = text.find(cPoint); point != std::string::npos) text.replace(point, cPoint.size(), decimal_);
    return text;
}

std::string NumberLocale::FormatGrouped(double value, int decimals) const
{
    if (!std::isfinite(value)) return "0";
    // Fifteen significant digits first, so that 1.15 (stored as 1.1499999...) rounds to 1.2.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    std::string mantissa;
    for (const char* p = buffer; *p != 'e'; ++p) {
        if (IsDigit(*p)) mantissa += *p;
    }
    const int exponent = std::atoi(std::strchr(buffer, 'e') + 1);

    // Scaled value: the digits of value * 10^decimals, rounded half away from zero.
    const int keep = exponent + 1 + decimals;
    std::string scaled;
    if (keep >= 0) {
        scaled = keep <= static_cast<int>(mantissa.size())
                     ? mantissa.substr(0, static_cast<std::size_t>(keep))
                     : mantissa + std::string(static_cast<std::size_t>(keep) - mantissa.size(), '0');
        if (keep < static_cast<int>(mantissa.size()) && mantissa[static_cast<std::size_t>(keep)] >= '5') {
            if (scaled.empty()) scaled = "0";
            Increment(scaled);
        }
    }
    if (scaled.size() < static_cast<std::size_t>(decimals) + 1) {
        scaled.insert(0, static_cast<std::size_t>(decimals) + 1 - scaled.size(), '0');
    }
    const bool negative = value < 0 && scaled.find_first_not_of('0') != std::string::npos;
    return Grouped(scaled, decimals, negative);
}

std::string NumberLocale::FormatScaled(std::int64_t scaled, int decimals) const
{
    const bool negative = scaled < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    std::string digits = std::to_string(magnitude);
    if (digits.size() < static_cast<std::size_t>(decimals) + 1) {
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    }
    return Grouped(digits, decimals, negative);
}

std::string NumberLocale::Grouped(const std::string& digits, int decimals, bool negative) const
{
    const std::size_t wholeLength = digits.size() - static_cast<std::size_t>(decimals);
    std::string text;
    text.reserve(digits.size() + 2 + wholeLength / 3 * group_.size() + decimal_.size());
    if (negative) text += '-';
    for (std::size_t i = 0; i < wholeLength; ++i) {
        if (i > 0 && (wholeLength - i) % 3 == 0) text += group_;
        text += digits[i];
    }
    if (decimals > 0) {
        text += decimal_;
        text.append(digits, wholeLength, std::string::npos);
    }
    return text;
}

}  // namespace brelvon
