#pragma once

// The receipt totals and the inpatient refund, computed from the texts of the fields.
// Standard library only.

#include "amounts/money.h"

#include <string>
#include <vector>

namespace amounts {

// The exact sum of the fields' values, each read with ParseAmount (a text that is not a valid
// amount counts as 0). A sum outside the Money range throws AmountRangeError.
Money SumAmountTexts(const std::vector<std::string>& texts);

// What a total shows: the figures panel and the capitals panel.
struct TotalTexts {
    std::string figures;  // FormatAmount of the sum
    std::string capitals; // the capitals of the two-decimal total shown in figures
};

// The figures, then the capitals of the figures read back, so the capitals always spell the
// total as shown (0.125 gives 0.12 and 壹角贰分). Throws AmountRangeError like the sum.
TotalTexts ComputeTotal(const std::vector<std::string>& feeTexts);

// The refund text: FormatAmount(advance - due) when the advance is strictly greater than the
// amount due, "0.00" otherwise; both read with ParseAmount. A difference outside the Money
// range throws AmountRangeError.
std::string ComputeRefund(const std::string& advanceText, const std::string& dueText);

} // namespace amounts
