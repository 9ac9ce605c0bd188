#include "records/resultmodel.h"

#include "store/storequery.h"

namespace records {

ResultModel::ResultModel(store::StoreQuery* query, QList<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), m_query(query), m_columns(std::move(columns)) {
    connect(m_query, &store::StoreQuery::resultChanged, this, &ResultModel::reload);
    // Rows the fetch brings in later replace the blanks shown for them.
    connect(m_query, &store::StoreQuery::rowsFetched, this, [this](qint64 first, qint64 last) {
        if (first < rowCount())
            emit dataChanged(index(int(first), 0),
                             index(int(std::min<qint64>(last, rowCount() - 1)), columnCount() - 1),
                             {Qt::DisplayRole});
    });
    reload();
}

void ResultModel::reload() {
    beginResetModel();
    m_fieldIndex.clear();
    for (const GridColumn& column : m_columns)
        m_fieldIndex << (m_query->isOpen() ? m_query->columnIndex(column.field) : -1);
    m_current = m_query->rowCount() > 0 ? 0 : -1;
    endResetModel();
}

int ResultModel::rowCount(const QModelIndex& parent) const {
    // A grid cannot show more rows than an int counts; a store that large is beyond a clinic.
    return parent.isValid() ? 0 : int(std::min<qint64>(m_query->rowCount(), INT_MAX));
}

int ResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant ResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return int((m_columns[index.column()].number ? Qt::AlignRight : Qt::AlignLeft) |
                   Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const int field = m_fieldIndex[index.column()];
    if (field < 0)
        return {};
    // Never waits for the fetch: a row still to come shows blank until it arrives.
    return m_query->fetchedValue(index.row(), field);
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_columns.size() ? m_columns[section].title : QVariant();
    return section == m_current ? QStringLiteral("▶") : QString();
}

void ResultModel::setCurrentRow(int row) {
    if (row == m_current)
        return;
    const int previous = m_current;
    m_current = row;
    if (previous >= 0)
        emit headerDataChanged(Qt::Vertical, previous, previous);
    if (row >= 0)
        emit headerDataChanged(Qt::Vertical, row, row);
}

} // namespace records
