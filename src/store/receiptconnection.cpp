#include "store/receiptconnection.h"

#include "store/schema.h"
#include "store/storequery.h"

#include <QFileInfo>
#include <QSqlError>
#include <algorithm>
#include <atomic>

namespace store {

namespace {

QString uniqueConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("con1-%1").arg(++counter);
}

QString driverFor(StoreLocation::Kind kind) {
    return kind == StoreLocation::Kind::SqliteFile ? QStringLiteral("QSQLITE")
                                                   : QStringLiteral("QODBC");
}

// A zero-length file is an SQLite database without tables: a store whose creation never
// finished. It is laid out like a missing one.
bool needsSchema(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() || (info.isFile() && info.size() == 0);
}

} // namespace

ReceiptConnection::ReceiptConnection(StoreLocation location)
    : m_location(std::move(location)), m_connectionName(uniqueConnectionName()) {
    QSqlDatabase::addDatabase(driverFor(m_location.kind), m_connectionName);
}

ReceiptConnection::~ReceiptConnection() {
    for (StoreQuery* query : std::vector<StoreQuery*>(m_pendingReads))
        query->abandonFetch();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase ReceiptConnection::database() const {
    return QSqlDatabase::database(m_connectionName, false);
}

bool ReceiptConnection::isOpen() const {
    return database().isOpen();
}

void ReceiptConnection::close() {
    for (StoreQuery* query : std::vector<StoreQuery*>(m_pendingReads))
        query->abandonFetch();
    database().close();
}

void ReceiptConnection::registerPendingRead(StoreQuery* query) {
    if (std::find(m_pendingReads.begin(), m_pendingReads.end(), query) == m_pendingReads.end())
        m_pendingReads.push_back(query);
}

void ReceiptConnection::unregisterPendingRead(StoreQuery* query) {
    m_pendingReads.erase(std::remove(m_pendingReads.begin(), m_pendingReads.end(), query),
                         m_pendingReads.end());
}

void ReceiptConnection::finishPendingReads() {
    for (StoreQuery* query : std::vector<StoreQuery*>(m_pendingReads))
        query->finishFetch();
}

bool ReceiptConnection::open() {
    QSqlDatabase db = database();
    if (db.isOpen())
        return true;
    if (!db.isValid()) {
        m_lastError = db.lastError().text();
        return false;
    }
    if (m_location.kind == StoreLocation::Kind::SqliteFile)
        return openSqliteFile(db);

    // Qt's ODBC driver turns a bare name into "DSN=<name>".
    db.setDatabaseName(m_location.target);
    if (!db.open()) {
        m_lastError = db.lastError().text();
        return false;
    }
    return true;
}

bool ReceiptConnection::openSqliteFile(QSqlDatabase& db) {
    const bool fresh = needsSchema(m_location.target);
    db.setDatabaseName(m_location.target);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open()) {
        m_lastError = db.lastError().text();
        return false;
    }
    if (fresh) {
        QString error;
        if (!createSchema(db, &error)) {
            db.close();
            m_lastError = error;
            return false;
        }
        m_createdStore = true;
    }
    return true;
}

} // namespace store
