#pragma once

#include <QString>

namespace store {

// Where the receipt store lives: an SQLite file opened directly (the embedded default), or an
// ODBC data source by name.
struct StoreLocation {
    enum class Kind { SqliteFile, OdbcDataSource };

    Kind kind = Kind::SqliteFile;
    QString target; // file path or data source name

    static StoreLocation sqliteFile(const QString& path) { return {Kind::SqliteFile, path}; }
    static StoreLocation odbcDataSource(const QString& name) {
        return {Kind::OdbcDataSource, name};
    }

    // receipts.db in the working directory.
    static StoreLocation defaultStore() { return sqliteFile(QStringLiteral("receipts.db")); }
};

} // namespace store
