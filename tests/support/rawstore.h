#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

// Direct access to a store file beside the program's own connection, to seed it and to look
// at what the program wrote.
inline QVariant rawScalar(const QString& path, const QString& sql) {
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        if (query.exec(sql) && query.next())
            value = query.value(0);
        else if (!query.isSelect())
            value = query.lastError().isValid() ? QVariant() : QVariant(query.numRowsAffected());
    }
    QSqlDatabase::removeDatabase("raw");
    return value;
}

inline bool rawExec(const QString& path, const QString& sql) {
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        ok = query.exec(sql);
    }
    QSqlDatabase::removeDatabase("raw");
    return ok;
}
