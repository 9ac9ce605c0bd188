#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

namespace store {
class StoreQuery;
}

namespace records {

// A column of a search grid: the result field it shows, its title, its width, and whether it
// holds a number (shown right-aligned).
struct GridColumn {
    QString field;
    QString title;
    int width;
    bool number;
};

// The rows of a search query for a grid. The columns are fixed; each shows the result field
// of its name, as the store returned it. The vertical header is the indicator column: it
// marks the current row. Rows the fetch has not reached yet show blank and fill in as they
// arrive, so scrolling to the end of a million rows is immediate.
class ResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ResultModel(store::StoreQuery* query, QList<GridColumn> columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const QList<GridColumn>& columns() const { return m_columns; }
    void setCurrentRow(int row);
    int currentRow() const { return m_current; }

private:
    void reload();

    store::StoreQuery* m_query;
    QList<GridColumn> m_columns;
    QList<int> m_fieldIndex; // result column of each grid column, -1 when absent
    int m_current = -1;
};

} // namespace records
