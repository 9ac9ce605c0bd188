#include "store/numbering.h"

#include <limits>

namespace store {

QString nextNumberStatement(int kind) {
    return QStringLiteral("select num+1 as num from tnum where itype= ") + QString::number(kind);
}

QString saveNumberStatement(qint32 number, int kind) {
    return QStringLiteral("update tnum set num=") + QString::number(number) +
           QStringLiteral(" where itype=") + QString::number(kind);
}

QString padReceiptNumber(const QString& text) {
    QString padded = text.rightJustified(10, QLatin1Char(' '));
    padded.replace(QLatin1Char(' '), QLatin1Char('0'));
    return padded;
}

IntegerConversionError::IntegerConversionError(const QString& text)
    : std::runtime_error(
          QStringLiteral("''%1'' is not a valid integer value").arg(text).toStdString()) {}

qint32 toInt32(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == n)
        throw IntegerConversionError(text);

    // Accumulate the magnitude, which may reach 2^31 for the most negative value.
    constexpr qint64 limit = qint64(std::numeric_limits<qint32>::max()) + 1;
    qint64 magnitude = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            throw IntegerConversionError(text);
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit)
            throw IntegerConversionError(text);
    }
    if (!negative && magnitude == limit)
        throw IntegerConversionError(text);
    return qint32(negative ? -magnitude : magnitude);
}

} // namespace store
