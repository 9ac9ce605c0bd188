#include "store/storequery.h"

#include "store/receiptconnection.h"
#include "store/storeerror.h"

#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace store {

namespace {
// How long one step of a fetch in steps may hold the event loop.
constexpr int stepMilliseconds = 12;
} // namespace

StoreQuery::StoreQuery(const QString& name, ReceiptConnection* connection, QObject* parent)
    : QObject(parent), m_connection(connection) {
    setObjectName(name);
    m_stepTimer.setSingleShot(true);
    m_stepTimer.setInterval(0);
    connect(&m_stepTimer, &QTimer::timeout, this, &StoreQuery::fetchStep);
}

StoreQuery::~StoreQuery() {
    abandonFetch();
}

void StoreQuery::close() {
    const bool hadResult = m_open;
    abandonFetch();
    m_open = false;
    m_columns.clear();
    m_rows.reset(0);
    m_count = 0;
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
    // A command must not change rows that a search is still fetching.
    m_connection->finishPendingReads();
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
    auto query = std::make_unique<QSqlQuery>(m_connection->database());
    query->setForwardOnly(true);
    if (!query->exec(m_text))
        throw StoreError(query->lastError().text());
    if (!query->isSelect())
        throw StoreError(QStringLiteral("The statement returns no result set"));

    const QSqlRecord record = query->record();
    for (int c = 0; c < record.count(); ++c)
        m_columns << record.fieldName(c);
    m_rows.reset(int(m_columns.size()));
    m_pending = std::move(query);
    m_connection->registerPendingRead(this);

    try {
        fetchFirstRows();
    } catch (...) {
        close();
        throw;
    }
    m_open = true;
    emit resultChanged();
    return m_count;
}

void StoreQuery::fetchFirstRows() {
    const bool inSteps = m_mode == Fetch::InSteps;
    if (!fetchRows(inSteps ? firstRows : -1, -1)) {
        // The whole result is here.
        m_count = m_rows.rowCount();
        endFetch();
    } else {
        // More rows follow. The count runs while the statement is pending, on the same
        // snapshot of the store.
        QSqlQuery count(m_connection->database());
        count.setForwardOnly(true);
        if (count.exec(QStringLiteral("select count(*) from (%1)").arg(m_text)) && count.next()) {
            m_count = count.value(0).toLongLong();
            m_stepTimer.start();
        } else {
            fetchRows(-1, -1);
            m_count = m_rows.rowCount();
            endFetch();
        }
    }
}

// Fetches up to `limit` rows in all (-1: no limit) for at most `milliseconds` (-1: no
// limit). Returns whether rows remain to be fetched.
bool StoreQuery::fetchRows(qint64 limit, int milliseconds) {
    if (!m_pending)
        return false;
    QElapsedTimer clock;
    clock.start();
    const int columns = int(m_columns.size());
    std::vector<QString> values(std::size_t(std::max(columns, 1)));
    while (limit < 0 || m_rows.rowCount() < limit) {
        if (!m_pending->next()) {
            if (m_pending->lastError().isValid() && m_rows.rowCount() == 0 && !m_open)
                throw StoreError(m_pending->lastError().text());
            return false;
        }
        for (int c = 0; c < columns; ++c) {
            const QVariant v = m_pending->value(c);
            values[std::size_t(c)] = v.isNull() ? QString() : v.toString();
        }
        m_rows.appendRow(values.data());
        if (milliseconds >= 0 && (m_rows.rowCount() & 255) == 0 && clock.elapsed() >= milliseconds)
            return true;
    }
    return true;
}

void StoreQuery::fetchStep() {
    if (!m_pending)
        return;
    if (!fetchRows(-1, stepMilliseconds))
        endFetch();
    else
        m_stepTimer.start();
}

void StoreQuery::endFetch() {
    const bool wasPending = m_pending != nullptr;
    m_stepTimer.stop();
    m_pending.reset();
    if (m_connection)
        m_connection->unregisterPendingRead(this);
    if (!wasPending)
        return;
    // A step that failed part way (the store went away) leaves fewer rows than counted.
    if (m_rows.rowCount() != m_count && m_open) {
        m_count = m_rows.rowCount();
        emit resultChanged();
    }
    if (m_mode == Fetch::InSteps)
        emit fetchFinished();
}

void StoreQuery::fetchUpTo(qint64 row) {
    if (row < m_rows.rowCount() || !m_pending)
        return;
    if (!fetchRows(row + 1, -1))
        endFetch();
}

void StoreQuery::finishFetch() {
    if (m_pending) {
        fetchRows(-1, -1);
        endFetch();
    }
}

void StoreQuery::abandonFetch() {
    m_stepTimer.stop();
    m_pending.reset();
    if (m_connection)
        m_connection->unregisterPendingRead(this);
}

int StoreQuery::columnIndex(const QString& name) const {
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

QString StoreQuery::textAt(qint64 row, int column) {
    if (row < 0 || row >= m_count)
        return {};
    fetchUpTo(row);
    return m_rows.text(row, column);
}

QVariant StoreQuery::value(qint64 row, int column) {
    if (row < 0 || row >= m_count || column < 0 || column >= columnCount())
        return {};
    fetchUpTo(row);
    if (m_rows.isNull(row, column))
        return {};
    return m_rows.text(row, column);
}

QString StoreQuery::fieldText(const QString& column) {
    const int index = columnIndex(column);
    if (index < 0)
        throw StoreError(QStringLiteral("%1: Field '%2' not found").arg(objectName(), column));
    return textAt(currentRow(), index);
}

} // namespace store
