#pragma once

// An amount in Chinese capital numerals (零壹贰叁肆伍陆柒捌玖, 拾佰仟万亿, 元角分), UTF-8.
// Standard library only.

#include <cstdint>
#include <string>

namespace amounts {

// The amount in yuan: multiplied by 100 and rounded to whole fen (an exact half to the even
// neighbour), then spelt by CapitalsOfFen. Defined for 0.00 to 9999999999999.99; outside it:
// a negative amount is "负" and the capitals of its magnitude, and an amount of
// 10000000000000.00 and more (or no number at all) is capitalsOutOfRange.
std::string AmountInCapitals(double yuan);

// The capitals of 0 to 999999999999999 fen: every digit of the fifteen-position field with
// the unit of its position, then the thirteen replacement pairs in order, then the 零角/零分
// rule. 0 gives the empty text.
std::string CapitalsOfFen(std::int64_t fen);

inline constexpr std::int64_t capitalsFenLimit = 1'000'000'000'000'000; // 10^15 fen
inline const std::string capitalsOutOfRange = "金额超出范围";
inline const std::string capitalsNegativeMark = "负";

// The stages of CapitalsOfFen, for checking a spelling step by step.
namespace capitals_stages {

// Step 2 and 3: the fen right-aligned in fifteen positions, each digit followed by the unit
// of its position; blanks add nothing.
std::string SpellPositions(std::int64_t fen);

inline constexpr int replacementPairCount = 13;

// Step 4, one pair (1 to 13): every occurrence of its find text replaced, scanning left to
// right and going on after each replacement.
std::string ApplyReplacementPair(const std::string& text, int pair);

// Step 5: every 零角 becomes 整 when the text holds 零分, otherwise 零.
std::string ApplyJiaoRule(const std::string& text);

// Step 6: every 零分 is removed.
std::string RemoveZeroFen(const std::string& text);

} // namespace capitals_stages

} // namespace amounts
