#include "records/searchstatement.h"

#include "receipts/statementvalues.h"

namespace records {

QString buildSearchStatement(const QString& base, const std::vector<Filter>& filters) {
    QString statement = base;
    for (const auto& [clause, text] : filters) {
        if (text.isEmpty())
            continue;
        statement += clause + receipts::quoted(QLatin1Char('%') + text + QLatin1Char('%')) +
                     QLatin1Char(' ');
    }
    return statement + QStringLiteral(" order by id desc");
}

} // namespace records
