#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
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

// Every row of a query, each as its list of values.
inline QList<QVariantList> rawRows(const QString& path, const QString& sql) {
    QList<QVariantList> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.exec(sql);
        while (query.next()) {
            QVariantList row;
            for (int c = 0; c < query.record().count(); ++c)
                row << query.value(c);
            rows << row;
        }
    }
    QSqlDatabase::removeDatabase("raw");
    return rows;
}
