#pragma once

// Money amounts: a signed 64-bit count of ten-thousandths of a yuan (12.5 yuan is 125000).
// Sums and differences are exact integer operations; texts are read and shown here only.
// Standard library only.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace amounts {

using Money = std::int64_t;

inline constexpr Money unitsPerYuan = 10000;

// Reading an amount text (UTF-8). A valid text is, from left to right: blanks (U+0020 only),
// an optional "+" or "-", digits with an optional "." and more digits (at least one digit or
// the point; a lone point is 0), an optional exponent "E"/"e" with an optional sign and digits
// (none means 0), trailing blanks. Its value is the exact number rounded to four decimals, an
// exact half going to the even neighbour; a value outside the Money range is not valid.
// Exact for texts of any length and exponents of any size.
std::optional<Money> TryParseAmount(std::string_view text);

// The value of a valid text, 0 for any other.
Money ParseAmount(std::string_view text);

// The value of a valid text; any other text throws AmountConversionError.
Money ParseAmountStrict(std::string_view text);

// "%.2f" of the amount: hundredths rounded with an exact half to the even neighbour, "-" only
// when the rounded value is below zero, "." as the separator, no grouping.
std::string FormatAmount(Money amount);

class AmountConversionError : public std::runtime_error {
public:
    // "'<text>' is not a valid floating point value"
    explicit AmountConversionError(std::string_view text);
};

// A sum or difference of amounts that leaves the Money range.
class AmountRangeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// a + b, or AmountRangeError.
Money AddAmounts(Money a, Money b);

} // namespace amounts
