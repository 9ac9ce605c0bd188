#include "store/rowstore.h"

#include <cstring>
#include <sqlite3.h>

namespace store {

namespace {
constexpr std::uint32_t nullBit = 0x80000000u;
constexpr std::uint32_t realBit = 0x40000000u;
constexpr std::uint32_t flags = nullBit | realBit;
} // namespace

void RowStore::reset(int columns) {
    m_columns = columns;
    std::vector<char>().swap(m_bytes);
    std::vector<std::uint64_t>().swap(m_rowStarts);
    std::vector<std::uint32_t>().swap(m_valueEnds);
}

void RowStore::appendRow(const QString* values) {
    const std::uint64_t start = m_bytes.size();
    m_rowStarts.push_back(start);
    for (int c = 0; c < m_columns; ++c) {
        const QString& value = values[c];
        if (!value.isNull()) {
            const QByteArray utf8 = value.toUtf8();
            m_bytes.insert(m_bytes.end(), utf8.cbegin(), utf8.cend());
        }
        const auto end = std::uint32_t(m_bytes.size() - start);
        m_valueEnds.push_back(value.isNull() ? (end | nullBit) : end);
    }
}

void RowStore::appendValue(const char* utf8, std::size_t size, bool null) {
    if (!null && size > 0) {
        const std::size_t at = m_bytes.size();
        m_bytes.resize(at + size);
        std::memcpy(m_bytes.data() + at, utf8, size);
    }
    const auto end = std::uint32_t(m_bytes.size() - m_rowStarts.back());
    m_valueEnds.push_back(null ? (end | nullBit) : end);
}

void RowStore::appendReal(double value) {
    const std::size_t at = m_bytes.size();
    m_bytes.resize(at + sizeof value);
    std::memcpy(m_bytes.data() + at, &value, sizeof value);
    m_valueEnds.push_back(std::uint32_t(m_bytes.size() - m_rowStarts.back()) | realBit);
}

QString RowStore::text(qint64 row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columns)
        return {};
    const std::size_t index = std::size_t(row) * std::size_t(m_columns) + std::size_t(column);
    const std::uint32_t entry = m_valueEnds[index];
    if (entry & nullBit)
        return {};
    const std::uint32_t end = entry & ~flags;
    const std::uint32_t begin = column == 0 ? 0 : (m_valueEnds[index - 1] & ~flags);
    const char* base = m_bytes.data() + m_rowStarts[std::size_t(row)];
    if (entry & realBit) {
        double value;
        std::memcpy(&value, base + begin, sizeof value);
        char text[40];
        sqlite3_snprintf(int(sizeof text), text, "%!.15g", value);
        return QString::fromLatin1(text);
    }
    return QString::fromUtf8(base + begin, qsizetype(end - begin));
}

bool RowStore::isNull(qint64 row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columns)
        return true;
    return m_valueEnds[std::size_t(row) * std::size_t(m_columns) + std::size_t(column)] & nullBit;
}

std::size_t RowStore::bytesUsed() const {
    return m_bytes.capacity() + m_rowStarts.capacity() * sizeof(std::uint64_t) +
           m_valueEnds.capacity() * sizeof(std::uint32_t);
}

} // namespace store
