#include "amounts/capitals.h"

#include <array>
#include <cmath>
#include <string_view>

namespace amounts {

namespace capitals_stages {

namespace {

constexpr std::array<std::string_view, 10> digitCharacters{"零", "壹", "贰", "叁", "肆",
                                                           "伍", "陆", "柒", "捌", "玖"};

// Units of the fifteen positions, left to right: 10^12 yuan down to one fen.
constexpr std::array<std::string_view, 15> positionUnits{
    "万", "仟", "佰", "拾", "亿", "仟", "佰", "拾", "万", "仟", "佰", "拾", "元", "角", "分"};

struct Pair {
    std::string_view find;
    std::string_view replacement;
};

constexpr std::array<Pair, replacementPairCount> replacementPairs{{
    {"零元", "元"},
    {"零拾", "零"},
    {"零佰", "零"},
    {"零仟", "零"},
    {"零万", "万"},
    {"零亿", "亿"},
    {"亿万", "亿"},
    {"零零零", "零"},
    {"零零", "零"},
    {"零万", "万"},
    {"零亿", "亿"},
    {"亿万", "亿"},
    {"零元", "元"},
}};

// Every occurrence of `find`, left to right, continuing after each replacement. All texts are
// whole UTF-8 characters, so a byte match always starts on a character boundary.
std::string replaceAll(const std::string& text, std::string_view find, std::string_view with) {
    std::string result;
    result.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(find); at != std::string::npos; at = text.find(find, from)) {
        result.append(text, from, at - from);
        result.append(with);
        from = at + find.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

} // namespace

std::string SpellPositions(std::int64_t fen) {
    const std::string digits = std::to_string(fen);
    // "%15d": the digits right-aligned, the free positions on the left blank.
    const std::size_t blanks = digits.size() < 15 ? 15 - digits.size() : 0;
    std::string result;
    for (std::size_t p = blanks; p < 15; ++p) {
        const char c = digits[p - blanks];
        if (c < '0' || c > '9')
            continue;
        result.append(digitCharacters[std::size_t(c - '0')]);
        result.append(positionUnits[p]);
    }
    return result;
}

std::string ApplyReplacementPair(const std::string& text, int pair) {
    const Pair& p = replacementPairs.at(std::size_t(pair - 1));
    return replaceAll(text, p.find, p.replacement);
}

std::string ApplyJiaoRule(const std::string& text) {
    const bool zeroFen = text.find("零分") != std::string::npos;
    return replaceAll(text, "零角", zeroFen ? "整" : "零");
}

std::string RemoveZeroFen(const std::string& text) {
    return replaceAll(text, "零分", "");
}

} // namespace capitals_stages

std::string CapitalsOfFen(std::int64_t fen) {
    std::string text = capitals_stages::SpellPositions(fen);
    for (int pair = 1; pair <= capitals_stages::replacementPairCount; ++pair)
        text = capitals_stages::ApplyReplacementPair(text, pair);
    return capitals_stages::RemoveZeroFen(capitals_stages::ApplyJiaoRule(text));
}

std::string AmountInCapitals(double yuan) {
    // nearbyint rounds in the default mode, to nearest with an exact half to even.
    const double fen = std::nearbyint(yuan * 100.0);
    if (!std::isfinite(fen) || std::fabs(fen) >= double(capitalsFenLimit))
        return capitalsOutOfRange;
    const auto whole = std::int64_t(fen);
    if (whole < 0)
        return capitalsNegativeMark + CapitalsOfFen(-whole);
    return CapitalsOfFen(whole);
}

} // namespace amounts
