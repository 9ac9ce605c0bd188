#include "amounts/money.h"

#include <array>
#include <limits>

namespace amounts {

namespace {

constexpr std::uint64_t maxPositive = std::uint64_t(std::numeric_limits<Money>::max());
constexpr std::uint64_t maxNegative = maxPositive + 1; // magnitude of the smallest Money

// Exponents beyond this magnitude all mean the same: no text is long enough for its digits
// to bring such a value back into range, or to leave anything above a ten-thousandth.
constexpr std::int64_t exponentCap = 1'000'000'000'000'000'000;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digits of a mantissa, integer and fraction part run together, without the point.
struct Mantissa {
    std::string_view integerDigits;
    std::string_view fractionDigits;

    std::size_t size() const { return integerDigits.size() + fractionDigits.size(); }
    char operator[](std::size_t i) const {
        return i < integerDigits.size() ? integerDigits[i]
                                        : fractionDigits[i - integerDigits.size()];
    }
};

} // namespace

std::optional<Money> TryParseAmount(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    Mantissa mantissa;
    std::size_t start = i;
    while (i < n && isDigit(text[i]))
        ++i;
    mantissa.integerDigits = text.substr(start, i - start);
    bool point = false;
    if (i < n && text[i] == '.') {
        point = true;
        start = ++i;
        while (i < n && isDigit(text[i]))
            ++i;
        mantissa.fractionDigits = text.substr(start, i - start);
    }
    if (mantissa.size() == 0 && !point)
        return std::nullopt;

    std::int64_t exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        while (i < n && isDigit(text[i])) {
            // Saturate at the cap; the test before the step keeps it from wrapping.
            if (exponent <= (exponentCap - 9) / 10)
                exponent = exponent * 10 + (text[i] - '0');
            else
                exponent = exponentCap;
            ++i;
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return std::nullopt;

    // The significant digits: skip the mantissa's leading zeros.
    std::size_t first = 0;
    const std::size_t digits = mantissa.size();
    while (first < digits && mantissa[first] == '0')
        ++first;
    if (first == digits)
        return Money{0};
    const std::size_t significant = digits - first;

    // value = significant digits x 10^shift ten-thousandths. Both terms are far inside the
    // 64-bit range: |exponent| <= 10^18 and the digit count is bounded by the text's size.
    const std::int64_t shift = exponent - std::int64_t(mantissa.fractionDigits.size()) + 4;

    std::uint64_t magnitude = 0;
    const std::uint64_t limit = negative ? maxNegative : maxPositive;
    if (shift >= 0) {
        // At most 19 digits fit the range; 10^19 - 1 < 2^64, so this cannot wrap.
        if (std::int64_t(significant) + shift > 19)
            return std::nullopt;
        for (std::size_t d = first; d < digits; ++d)
            magnitude = magnitude * 10 + std::uint64_t(mantissa[d] - '0');
        for (std::int64_t s = 0; s < shift; ++s)
            magnitude *= 10;
        if (magnitude > limit)
            return std::nullopt;
    } else {
        // Drop the last `dropped` digits and round on them.
        const std::uint64_t dropped = std::uint64_t(-shift);
        const std::size_t kept = dropped >= significant ? 0 : significant - std::size_t(dropped);
        if (kept > 19)
            return std::nullopt;
        for (std::size_t d = first; d < first + kept; ++d)
            magnitude = magnitude * 10 + std::uint64_t(mantissa[d] - '0');

        // The first dropped digit, and whether any digit after it is not zero. When more
        // digits are dropped than there are, the first dropped one is a leading zero.
        int firstDropped = 0;
        bool restNonZero = false;
        if (dropped <= significant) {
            const std::size_t at = first + kept;
            firstDropped = mantissa[at] - '0';
            for (std::size_t d = at + 1; d < digits && !restNonZero; ++d)
                restNonZero = mantissa[d] != '0';
        }
        const bool roundUp =
            firstDropped > 5 || (firstDropped == 5 && (restNonZero || (magnitude % 2) == 1));
        if (magnitude > limit)
            return std::nullopt;
        if (roundUp) {
            if (magnitude == limit)
                return std::nullopt;
            ++magnitude;
        }
    }
    if (magnitude == 0)
        return Money{0};
    if (negative)
        return magnitude == maxNegative ? std::numeric_limits<Money>::min() : -Money(magnitude);
    return Money(magnitude);
}

Money ParseAmount(std::string_view text) {
    return TryParseAmount(text).value_or(0);
}

Money ParseAmountStrict(std::string_view text) {
    if (const auto value = TryParseAmount(text))
        return *value;
    throw AmountConversionError(text);
}

AmountConversionError::AmountConversionError(std::string_view text)
    : std::runtime_error("'" + std::string(text) + "' is not a valid floating point value") {}

std::string FormatAmount(Money amount) {
    const bool negative = amount < 0;
    const std::uint64_t magnitude =
        negative ? std::uint64_t(-(amount + 1)) + 1 : std::uint64_t(amount);
    std::uint64_t hundredths = magnitude / 100;
    const std::uint64_t rest = magnitude % 100;
    if (rest > 50 || (rest == 50 && hundredths % 2 == 1))
        ++hundredths;

    std::string text = std::to_string(hundredths / 100);
    const unsigned cents = unsigned(hundredths % 100);
    text += '.';
    text += char('0' + cents / 10);
    text += char('0' + cents % 10);
    if (negative && hundredths != 0)
        text.insert(text.begin(), '-');
    return text;
}

Money AddAmounts(Money a, Money b) {
    if ((b > 0 && a > std::numeric_limits<Money>::max() - b) ||
        (b < 0 && a < std::numeric_limits<Money>::min() - b))
        throw AmountRangeError("合计金额超出范围");
    return a + b;
}

} // namespace amounts
