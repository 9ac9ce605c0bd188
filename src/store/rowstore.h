#pragma once

#include <QString>
#include <cstdint>
#include <string_view>
#include <vector>

namespace store {

// The rows of a query result kept compactly: every value as its text in UTF-8 (a real as its
// eight bytes), one buffer for all of them, with per row one start offset and per value one
// end offset inside its row.
// A million receipts of a dozen columns take about a hundred megabytes.
class RowStore {
public:
    void reset(int columns);
    int columnCount() const { return m_columns; }
    qint64 rowCount() const { return qint64(m_rowStarts.size()); }

    // Appends one row; `values` holds columnCount() texts, a null value as a null QString.
    void appendRow(const QString* values);

    // Appends one row value by value: beginRow, then columnCount() values.
    void beginRow() { m_rowStarts.push_back(m_bytes.size()); }
    void appendValue(const char* utf8, std::size_t size, bool null);
    // A floating point value, kept as its eight bytes; its text is made only when asked for,
    // the way SQLite writes a real ("%!.15g").
    void appendReal(double value);

    QString text(qint64 row, int column) const;
    bool isNull(qint64 row, int column) const;

    std::size_t bytesUsed() const;

private:
    int m_columns = 0;
    std::vector<char> m_bytes;
    std::vector<std::uint64_t> m_rowStarts;
    // End of each value, relative to its row's start; the top bit marks a null value, the
    // next one a real kept in binary.
    std::vector<std::uint32_t> m_valueEnds;
};

} // namespace store
