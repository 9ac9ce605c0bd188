#include "store/schema.h"

#include <QSqlError>
#include <QSqlQuery>

namespace store {

// Amount columns are declared numeric: the store keeps each bare literal as the number it
// denotes (integers stay exact) and hands it back as such to the search grids. Dates are the
// "yyyy-MM-dd" texts the receipt pages write. The ids are autoincrement so that they keep
// growing after deletes and "order by id desc" always lists the newest receipt first.
const QStringList& schemaStatements() {
    static const QStringList statements{
        "create table tmz("
        "id integer primary key autoincrement,"
        "num text, name text, operdate text,"
        "zyf numeric, xyf numeric, tszxf numeric, hyzjf numeric, czzsf numeric,"
        "ssf numeric, qtf numeric, hj numeric)",

        "create table tzy("
        "id integer primary key autoincrement,"
        "num text, zyh text, name text, dw text, zyrq text, cyrq text, zyts integer,"
        "cwf numeric, xyf numeric, zcy numeric, zcaoy numeric, jcf numeric, zlf numeric,"
        "fsf numeric, ssf numeric, hyf numeric, sxf numeric, syf numeric, zhenlf numeric,"
        "hlf numeric, qtzl numeric, hj numeric, ysk numeric, yjk numeric, ytk numeric,"
        "zffs text, jsrq text, jsy text)",

        "create table tnum(itype integer primary key, num integer)",
        "insert into tnum(itype,num) values(0,0)",
        "insert into tnum(itype,num) values(1,0)",
    };
    return statements;
}

bool createSchema(QSqlDatabase& db, QString* error) {
    if (!db.transaction()) {
        *error = db.lastError().text();
        return false;
    }
    for (const QString& statement : schemaStatements()) {
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            *error = query.lastError().text();
            query.finish();
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        *error = db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}

} // namespace store
