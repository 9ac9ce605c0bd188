#pragma once

#include <QString>

namespace store {

class ReceiptConnection;
class StoreQuery;

// A statement's outcome: rows affected by a command, rows fetched by a query, or
// StatementFailed. Callers treat every negative value as failure.
using StatementResult = qint64;
constexpr StatementResult StatementFailed = -2;

// The only way statements reach the store. Attaches a detached query to `connection`, closes
// the query, sets the text and runs it as a command (execute) or opens it as a query. Any
// failure, whatever it is, gives StatementFailed; nothing is shown or logged.
StatementResult runSql(StoreQuery& query, ReceiptConnection& connection, const QString& statement,
                       bool execute) noexcept;

} // namespace store
