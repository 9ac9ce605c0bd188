#pragma once

#include <QString>

namespace receipts {

// A text as an SQL quoted literal: wrapped in single quotes, every single quote doubled.
QString quoted(const QString& text);

// Whether a field's text may go into a statement bare: optional blanks, an optional sign,
// digits with at most one point and at least one digit, an optional exponent with digits,
// optional blanks; with wholeNumber, digits only after the sign. Anything else could change
// the statement beyond its own column's value, so it is never written bare.
bool isPlainNumberLiteral(const QString& text, bool wholeNumber = false);

} // namespace receipts
