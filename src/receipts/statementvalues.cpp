#include "receipts/statementvalues.h"

namespace receipts {

QString quoted(const QString& text) {
    QString inner = text;
    inner.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + inner + QLatin1Char('\'');
}

bool isPlainNumberLiteral(const QString& text, bool wholeNumber) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto digit = [&](qsizetype at) { return at < n && text[at] >= u'0' && text[at] <= u'9'; };
    while (i < n && text[i] == u' ')
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    int digits = 0;
    while (digit(i)) {
        ++i;
        ++digits;
    }
    if (!wholeNumber && i < n && text[i] == u'.') {
        ++i;
        while (digit(i)) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (!wholeNumber && i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        if (!digit(i))
            return false;
        while (digit(i))
            ++i;
    }
    while (i < n && text[i] == u' ')
        ++i;
    return i == n;
}

} // namespace receipts
