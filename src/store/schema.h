#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace store {

// The statements that lay out a new, empty receipt store: the two receipt tables and the
// counter table with one row per receipt kind, both counters at 0.
const QStringList& schemaStatements();

// Runs schemaStatements() on an open connection inside one transaction, so a store is either
// complete or untouched. Returns false with the data-access layer's text in *error.
bool createSchema(QSqlDatabase& db, QString* error);

} // namespace store
