#pragma once

// The amount rules on the texts of Qt fields: the bridge between QString and the standard
// library core (UTF-8).

#include "amounts/money.h"
#include "amounts/totals.h"

#include <QString>
#include <QStringList>

namespace amounts {

// FormatAmount(ParseAmountStrict(text)); a text that is not a valid amount throws
// AmountConversionError.
QString shownAmount(const QString& text);

// Throws AmountConversionError for a text that is not a valid amount.
Money strictAmount(const QString& text);

struct ShownTotal {
    QString figures;
    QString capitals;
};
// The figures and capitals of the fields' total; AmountRangeError beyond the money range.
ShownTotal totalOf(const QStringList& feeTexts);

// The refund text for the advance and the amount due.
QString refundOf(const QString& advance, const QString& due);

} // namespace amounts
