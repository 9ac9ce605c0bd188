#pragma once

#include "store/storelocation.h"

#include <QSqlDatabase>
#include <QString>
#include <utility>
#include <vector>

namespace store {

class StoreQuery;

// The one connection to the receipt store (con1). It can be opened again at any time, so the
// program starts working as soon as the store becomes reachable.
//
// An SQLite file that does not exist yet (or is still empty) is created with the tables of
// schema.h; an existing store is used as it is.
class ReceiptConnection {
public:
    explicit ReceiptConnection(StoreLocation location);
    ~ReceiptConnection();
    ReceiptConnection(const ReceiptConnection&) = delete;
    ReceiptConnection& operator=(const ReceiptConnection&) = delete;

    // Opens the connection unless it is open. Returns false and keeps the data-access layer's
    // text in lastError() when the store cannot be reached.
    bool open();
    bool isOpen() const;
    void close();

    QString lastError() const { return m_lastError; }

    // Whether an open since the last call laid out a new store; the flag is cleared.
    bool takeCreatedStore() { return std::exchange(m_createdStore, false); }
    QSqlDatabase database() const;
    const StoreLocation& location() const { return m_location; }

    // Queries that are still fetching a result in steps. A command completes them first, so
    // it never changes rows a search is still reading; closing abandons them.
    void registerPendingRead(StoreQuery* query);
    void unregisterPendingRead(StoreQuery* query);
    void finishPendingReads();

    // How long an SQLite statement waits for another program's lock before it fails.
    static constexpr int busyTimeoutMs = 5000;

private:
    bool openSqliteFile(QSqlDatabase& db);

    StoreLocation m_location;
    QString m_connectionName;
    QString m_lastError;
    bool m_createdStore = false;
    std::vector<StoreQuery*> m_pendingReads;
};

} // namespace store
