#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace store {

class ReceiptConnection;

// A query object on the receipt store (qry_Tmp, adomz, adozy). Opening it runs a select and
// keeps the whole result on the client side: the row count is exact, the rows stay as they
// were fetched until the query is closed or opened again, and the current row starts on the
// first one. Running a command keeps no rows.
//
// execute() and open() throw StoreError on any failure; RunSql turns that into -2.
class StoreQuery : public QObject {
    Q_OBJECT
public:
    explicit StoreQuery(const QString& name, ReceiptConnection* connection = nullptr,
                        QObject* parent = nullptr);

    ReceiptConnection* connection() const { return m_connection; }
    void attach(ReceiptConnection* connection) { m_connection = connection; }

    void close();
    bool isOpen() const { return m_open; }

    void setText(const QString& text) { m_text = text; }
    const QString& text() const { return m_text; }

    // Runs the text as a command; returns the rows it affected.
    qint64 execute();
    // Runs the text as a select and fetches every row; returns the row count.
    qint64 open();

    qint64 rowCount() const {
        return m_columns.isEmpty() ? 0 : qint64(m_cells.size()) / m_columns.size();
    }
    int columnCount() const { return int(m_columns.size()); }
    const QStringList& columnNames() const { return m_columns; }
    QVariant value(qint64 row, int column) const;

    // The current row, -1 when the query holds no row.
    qint64 currentRow() const { return rowCount() > 0 ? m_current : -1; }
    // The named column of the current row as text (column names compare ignoring case).
    // Empty when there is no current row or the value is null; an unknown column is an error.
    QString fieldText(const QString& column) const;

signals:
    // The result changed: the query was closed or opened on new rows.
    void resultChanged();

private:
    void requireOpenConnection() const;

    ReceiptConnection* m_connection;
    QString m_text;
    bool m_open = false;
    QStringList m_columns;
    std::vector<QVariant> m_cells; // row-major
    qint64 m_current = 0;
};

} // namespace store
