#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brelvon {

// How numbers are read and written in the user's locale: the decimal and
// grouping separators (UTF-8). A value type, made once at start (from the
// system's locale data, see os/SystemNumberLocale.h) and handed to everything
// that reads or writes numbers, so that the window, the probe and the tests
// always agree.
class NumberLocale {
public:
    // English separators: "." and ",".
    NumberLocale() = default;
    NumberLocale(std::string decimalSeparator, std::string groupSeparator);

    [[nodiscard]] const std::string& DecimalSeparator() const { return decimal_; }
    [[nodiscard]] const std::string& GroupSeparator() const { return group_; }

    // Reads text as a number: blanks around it, an optional sign, digits with
    // at most one decimal separator (at least one digit in all), and an
    // optional exponent (E or e, optional sign, digits). nullopt otherwise.
    [[nodiscard]] std::optional<double> Parse(std::string_view text) const;

    // General number format: up to 15 significant digits, no trailing zeros,
    // this locale's decimal separator; 17.5, 90, 0.25, 1E+15.
    [[nodiscard]] std::string FormatGeneral(double value) const;

    // The value written with 15 significant digits, then rounded half away
    // from zero to the given number of decimals, with thousands grouped:
    // FormatGrouped(1150 / 1000.0, 1) is "1.2", FormatGrouped(1234567, 0) is "1,234,567".
    [[nodiscard]] std::string FormatGrouped(double value, int decimals) const;

    // scaled / 10^decimals written exactly, thousands grouped:
    // FormatScaled(12346, 1) is "1,234.6". The fast path for sizes held as integers.
    [[nodiscard]] std::string FormatScaled(std::int64_t scaled, int decimals) const;

private:
    // digits holds the value times 10^decimals, at least decimals + 1 of them.
    [[nodiscard]] std::string Grouped(const std::string& digits, int decimals, bool negative) const;

    std::string decimal_ = ".";
    std::string group_ = ",";
};

}  // namespace brelvon
