#include "store/storequery.h"

#include "store/receiptconnection.h"
#include "store/storeerror.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace store {

StoreQuery::StoreQuery(const QString& name, ReceiptConnection* connection, QObject* parent)
    : QObject(parent), m_connection(connection) {
    setObjectName(name);
}

void StoreQuery::close() {
    const bool hadResult = m_open;
    m_open = false;
    m_columns.clear();
    m_cells.clear();
    m_cells.shrink_to_fit();
    m_current = 0;
    if (hadResult)
        emit resultChanged();
}

void StoreQuery::requireOpenConnection() const {
    if (!m_connection)
        throw StoreError(QStringLiteral("Query %1 has no connection").arg(objectName()));
    if (!m_connection->open())
        throw StoreError(m_connection->lastError());
}

qint64 StoreQuery::execute() {
    close();
    requireOpenConnection();
    QSqlQuery query(m_connection->database());
    query.setForwardOnly(true);
    if (!query.exec(m_text))
        throw StoreError(query.lastError().text());
    if (query.isSelect())
        return 0;
    // A driver that cannot tell the count reports -1; the statement did run.
    return std::max(0, query.numRowsAffected());
}

qint64 StoreQuery::open() {
    close();
    requireOpenConnection();
    QSqlQuery query(m_connection->database());
    query.setForwardOnly(true);
    if (!query.exec(m_text))
        throw StoreError(query.lastError().text());
    if (!query.isSelect())
        throw StoreError(QStringLiteral("The statement returns no result set"));

    const QSqlRecord record = query.record();
    QStringList columns;
    for (int c = 0; c < record.count(); ++c)
        columns << record.fieldName(c);
    std::vector<QVariant> cells;
    while (query.next()) {
        for (int c = 0; c < columns.size(); ++c)
            cells.push_back(query.value(c));
    }
    if (query.lastError().isValid())
        throw StoreError(query.lastError().text());

    m_columns = std::move(columns);
    m_cells = std::move(cells);
    m_current = 0;
    m_open = true;
    emit resultChanged();
    return rowCount();
}

QVariant StoreQuery::value(qint64 row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    return m_cells[std::size_t(row * m_columns.size() + column)];
}

QString StoreQuery::fieldText(const QString& column) const {
    int index = -1;
    for (int c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].compare(column, Qt::CaseInsensitive) == 0) {
            index = c;
            break;
        }
    }
    if (index < 0)
        throw StoreError(QStringLiteral("%1: Field '%2' not found").arg(objectName(), column));
    const QVariant v = value(currentRow(), index);
    return v.isNull() ? QString() : v.toString();
}

} // namespace store
