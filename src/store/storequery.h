#pragma once

#include "store/rowstore.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariant>
#include <memory>

namespace store {

class Cursor;
class ReceiptConnection;

// A query object on the receipt store (qry_Tmp, adomz, adozy). Opening it runs a select and
// keeps its result on the client side: the row count is exact from the moment it opens, the
// rows stay as they were fetched until the query is closed or opened again, and the current
// row starts on the first one. Running a command keeps no rows.
//
// A query that fetches in steps (the search grids) fetches its first rows and the exact count
// at once and the rest from the event loop, a few milliseconds at a time, so a result of a
// million rows shows at once and the window stays responsive. The rows are those of the one
// moment the statement started: the count is taken while the statement is pending, which
// holds the store's snapshot, and any command on the connection first completes every fetch
// still in progress. value() of a row not fetched yet fetches up to it on the spot;
// fetchedValue() does not wait.
//
// execute() and open() throw StoreError on any failure; RunSql turns that into -2.
class StoreQuery : public QObject {
    Q_OBJECT
public:
    enum class Fetch { All, InSteps };

    explicit StoreQuery(const QString& name, ReceiptConnection* connection = nullptr,
                        QObject* parent = nullptr);
    ~StoreQuery() override;

    ReceiptConnection* connection() const { return m_connection; }
    void attach(ReceiptConnection* connection) { m_connection = connection; }

    void setFetchMode(Fetch mode) { m_mode = mode; }
    Fetch fetchMode() const { return m_mode; }

    void close();
    bool isOpen() const { return m_open; }

    void setText(const QString& text) { m_text = text; }
    const QString& text() const { return m_text; }

    // Runs the text as a command; returns the rows it affected.
    qint64 execute();
    // Runs the text as a select; returns the exact row count.
    qint64 open();

    qint64 rowCount() const { return m_count; }
    int columnCount() const { return int(m_columns.size()); }
    const QStringList& columnNames() const { return m_columns; }
    // The column of that name (ignoring case), -1 when there is none.
    int columnIndex(const QString& name) const;

    // A value as the store returned it, as text; a null value, or a row or column outside the
    // result, is a null QVariant.
    QVariant value(qint64 row, int column);
    QString textAt(qint64 row, int column);
    // The same without waiting: a row the fetch has not reached yet gives a null QVariant
    // (rowsFetched() tells when it arrives).
    QVariant fetchedValue(qint64 row, int column) const;

    // The current row, -1 when the query holds no row.
    qint64 currentRow() const { return m_count > 0 ? 0 : -1; }
    // The named column of the current row as text. Empty when there is no current row or the
    // value is null; an unknown column is an error.
    QString fieldText(const QString& column);

    bool isFetching() const { return m_pending != nullptr; }
    qint64 fetchedRows() const { return m_rows.rowCount(); }
    // Fetches on the spot every row up to `row`.
    void fetchUpTo(qint64 row);
    // Completes a fetch in progress.
    void finishFetch();
    // Drops a fetch in progress without its remaining rows (the connection is going away).
    void abandonFetch();

    std::size_t bytesUsed() const { return m_rows.bytesUsed(); }

    static constexpr int firstRows = 200;

signals:
    // The result changed: the query was closed or opened on new rows.
    void resultChanged();
    // Rows first to last (inclusive) have arrived by a step of the fetch.
    void rowsFetched(qint64 first, qint64 last);
    // A fetch in steps has all its rows.
    void fetchFinished();

private:
    void requireOpenConnection() const;
    void fetchFirstRows();
    qint64 countRows() const;
    bool fetchRows(qint64 limit, int milliseconds);
    void fetchStep();
    void endFetch();

    ReceiptConnection* m_connection;
    Fetch m_mode = Fetch::All;
    QString m_text;
    bool m_open = false;
    QStringList m_columns;
    RowStore m_rows;
    qint64 m_count = 0;
    std::unique_ptr<Cursor> m_pending;
    QTimer m_stepTimer;
};

} // namespace store
