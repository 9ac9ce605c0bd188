#include "store/storequery.h"

#include "store/cursor.h"
#include "store/receiptconnection.h"
#include "store/storeerror.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <limits>

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
    m_pending = Cursor::open(m_connection->database(), m_text);
    m_columns = m_pending->columns();
    m_rows.reset(int(m_columns.size()));
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
        return;
    }
    // More rows follow. The count runs while the statement is pending, on the same snapshot
    // of the store.
    m_count = countRows();
    m_stepTimer.start();
}

// The exact row count of the text, without its final ORDER BY, which changes no count and
// would only make the store compute every column of every row.
qint64 StoreQuery::countRows() const {
    static const QRegularExpression finalOrder(
        QStringLiteral(R"(\s+order\s+by\s+[A-Za-z0-9_.]+(\s+(asc|desc))?)"
                       R"((\s*,\s*[A-Za-z0-9_.]+(\s+(asc|desc))?)*\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    QString inner = m_text;
    inner.remove(finalOrder);
    RowStore result;
    result.reset(1);
    auto count = Cursor::open(m_connection->database(),
                              QStringLiteral("select count(*) from (%1)").arg(inner));
    if (!count->next(result))
        throw StoreError(QStringLiteral("The row count is missing"));
    return result.text(0, 0).toLongLong();
}

// Fetches up to `limit` rows in all (-1: no limit) for at most `milliseconds` (-1: no
// limit). Returns whether rows remain to be fetched.
bool StoreQuery::fetchRows(qint64 limit, int milliseconds) {
    if (!m_pending)
        return false;
    QElapsedTimer clock;
    clock.start();
    while (limit < 0 || m_rows.rowCount() < limit) {
        if (!m_pending->next(m_rows))
            return false;
        if (milliseconds >= 0 && (m_rows.rowCount() & 255) == 0 && clock.elapsed() >= milliseconds)
            return true;
    }
    return true;
}

void StoreQuery::fetchStep() {
    if (!m_pending)
        return;
    // Runs from the event loop: a failure part way ends the fetch with the rows it has.
    const qint64 before = m_rows.rowCount();
    bool more = false;
    try {
        more = fetchRows(-1, stepMilliseconds);
    } catch (...) {
    }
    if (m_rows.rowCount() > before)
        emit rowsFetched(before, m_rows.rowCount() - 1);
    if (more)
        m_stepTimer.start();
    else
        endFetch();
}

void StoreQuery::endFetch() {
    const bool wasPending = m_pending != nullptr;
    m_stepTimer.stop();
    m_pending.reset();
    if (m_connection)
        m_connection->unregisterPendingRead(this);
    if (!wasPending)
        return;
    // A fetch that failed part way (the store went away) leaves fewer rows than counted.
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
    const qint64 before = m_rows.rowCount();
    bool more = false;
    try {
        more = fetchRows(row + 1, -1);
    } catch (...) {
    }
    if (m_rows.rowCount() > before)
        emit rowsFetched(before, m_rows.rowCount() - 1);
    if (!more)
        endFetch();
}

void StoreQuery::finishFetch() {
    fetchUpTo(std::numeric_limits<qint64>::max() - 1);
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

QVariant StoreQuery::fetchedValue(qint64 row, int column) const {
    if (row < 0 || row >= m_rows.rowCount() || column < 0 || column >= columnCount() ||
        m_rows.isNull(row, column))
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
