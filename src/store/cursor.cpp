#include "store/cursor.h"

#include "store/rowstore.h"
#include "store/storeerror.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <sqlite3.h>
#include <vector>

namespace store {

namespace {

// Through Qt's query, for any driver.
class QtCursor : public Cursor {
public:
    QtCursor(const QSqlDatabase& db, const QString& statement) : m_query(db) {
        m_query.setForwardOnly(true);
        if (!m_query.exec(statement))
            throw StoreError(m_query.lastError().text());
        if (!m_query.isSelect())
            throw StoreError(QStringLiteral("The statement returns no result set"));
        const QSqlRecord record = m_query.record();
        for (int c = 0; c < record.count(); ++c)
            m_columns << record.fieldName(c);
        m_values.resize(std::size_t(m_columns.size()));
    }

    const QStringList& columns() const override { return m_columns; }

    bool next(RowStore& rows) override {
        if (!m_query.next()) {
            if (m_query.lastError().isValid())
                throw StoreError(m_query.lastError().text());
            return false;
        }
        for (int c = 0; c < m_columns.size(); ++c) {
            const QVariant v = m_query.value(c);
            m_values[std::size_t(c)] = v.isNull() ? QString() : v.toString();
        }
        rows.appendRow(m_values.data());
        return true;
    }

private:
    QSqlQuery m_query;
    QStringList m_columns;
    std::vector<QString> m_values;
};

// Straight on SQLite: each value arrives as the text SQLite gives it and is copied once.
class SqliteCursor : public Cursor {
public:
    SqliteCursor(sqlite3* db, const QString& statement) : m_db(db) {
        const QByteArray sql = statement.toUtf8();
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &m_statement, &tail) !=
            SQLITE_OK)
            throw StoreError(QString::fromUtf8(sqlite3_errmsg(db)));
        if (!m_statement)
            throw StoreError(QStringLiteral("The statement is empty"));
        for (; tail && *tail; ++tail) {
            if (*tail != ' ' && *tail != '\t' && *tail != '\n' && *tail != '\r' && *tail != ';')
                throw StoreError(QStringLiteral("Unable to execute multiple statements at a time"));
        }
        const int count = sqlite3_column_count(m_statement);
        if (count == 0)
            throw StoreError(QStringLiteral("The statement returns no result set"));
        for (int c = 0; c < count; ++c)
            m_columns << QString::fromUtf8(sqlite3_column_name(m_statement, c));
        // The first step runs now, so a failing statement fails at once.
        m_state = step();
    }

    ~SqliteCursor() override { sqlite3_finalize(m_statement); }

    const QStringList& columns() const override { return m_columns; }

    bool next(RowStore& rows) override {
        if (m_state == SQLITE_DONE)
            return false;
        rows.beginRow();
        for (int c = 0; c < m_columns.size(); ++c) {
            const int type = sqlite3_column_type(m_statement, c);
            if (type == SQLITE_FLOAT) {
                rows.appendReal(sqlite3_column_double(m_statement, c));
                continue;
            }
            const bool null = type == SQLITE_NULL;
            const auto* text =
                null ? nullptr : reinterpret_cast<const char*>(sqlite3_column_text(m_statement, c));
            const int size = null ? 0 : sqlite3_column_bytes(m_statement, c);
            rows.appendValue(text, std::size_t(size), null);
        }
        m_state = step();
        return true;
    }

private:
    int step() {
        const int result = sqlite3_step(m_statement);
        if (result != SQLITE_ROW && result != SQLITE_DONE)
            throw StoreError(QString::fromUtf8(sqlite3_errmsg(m_db)));
        return result;
    }

    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
    QStringList m_columns;
    int m_state = SQLITE_DONE;
};

sqlite3* sqliteHandle(const QSqlDatabase& db) {
    if (db.driverName() != QLatin1String("QSQLITE") || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

} // namespace

std::unique_ptr<Cursor> Cursor::open(const QSqlDatabase& db, const QString& statement) {
    if (sqlite3* handle = sqliteHandle(db))
        return std::make_unique<SqliteCursor>(handle, statement);
    return std::make_unique<QtCursor>(db, statement);
}

} // namespace store
