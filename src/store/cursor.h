#pragma once

#include <QSqlDatabase>
#include <QStringList>
#include <memory>

namespace store {

class RowStore;

// A running select, stepped row by row into a RowStore. Every failure throws StoreError.
class Cursor {
public:
    virtual ~Cursor() = default;
    virtual const QStringList& columns() const = 0;
    // Appends the next row to `rows`; false at the end of the result.
    virtual bool next(RowStore& rows) = 0;

    // Runs `statement` on the connection: straight on SQLite's own statement interface when
    // the connection is Qt's SQLite driver (several times faster for large results), through
    // Qt's query otherwise. A statement that returns no rows throws; so does one that is not
    // a single statement.
    static std::unique_ptr<Cursor> open(const QSqlDatabase& db, const QString& statement);
};

} // namespace store
