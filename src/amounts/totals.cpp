#include "amounts/totals.h"

#include "amounts/capitals.h"

#include <limits>

namespace amounts {

Money SumAmountTexts(const std::vector<std::string>& texts) {
    Money sum = 0;
    for (const std::string& text : texts)
        sum = AddAmounts(sum, ParseAmount(text));
    return sum;
}

TotalTexts ComputeTotal(const std::vector<std::string>& feeTexts) {
    TotalTexts result;
    result.figures = FormatAmount(SumAmountTexts(feeTexts));
    const Money shown = ParseAmountStrict(result.figures);
    result.capitals = AmountInCapitals(double(shown) / double(unitsPerYuan));
    return result;
}

std::string ComputeRefund(const std::string& advanceText, const std::string& dueText) {
    const Money advance = ParseAmount(advanceText);
    const Money due = ParseAmount(dueText);
    if (advance <= due)
        return "0.00";
    // advance > due, so the difference is positive; it overflows only past the top.
    if (due < 0 && advance > std::numeric_limits<Money>::max() + due)
        throw AmountRangeError("应退款超出范围");
    return FormatAmount(advance - due);
}

} // namespace amounts
