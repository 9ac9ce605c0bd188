#include "store/receiptconnection.h"
#include "store/runsql.h"
#include "store/storequery.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace store;

namespace {

QByteArray fileHash(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QStringList columnsOf(ReceiptConnection& con, const QString& table) {
    StoreQuery query(QStringLiteral("q"), &con);
    runSql(query, con, QStringLiteral("select name from pragma_table_info('%1')").arg(table),
           false);
    QStringList names;
    for (qint64 r = 0; r < query.rowCount(); ++r)
        names << query.value(r, 0).toString();
    return names;
}

} // namespace

class TestSchema : public QObject {
    Q_OBJECT
private slots:
    void newStoreHasTablesAndCounters();
    void existingStoreIsNotAltered();
    void emptyFileIsLaidOut();
    void idsKeepIncreasingAfterDeletes();
};

void TestSchema::newStoreHasTablesAndCounters() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("receipts.db"));
    ReceiptConnection con(StoreLocation::sqliteFile(path));
    QVERIFY(con.open());
    QVERIFY(QFile::exists(path));

    QCOMPARE(columnsOf(con, "tmz"), QStringList({"id", "num", "name", "operdate", "zyf", "xyf",
                                                 "tszxf", "hyzjf", "czzsf", "ssf", "qtf", "hj"}));
    QCOMPARE(
        columnsOf(con, "tzy"),
        QStringList({"id",  "num",   "zyh", "name", "dw",  "zyrq", "cyrq", "zyts", "cwf", "xyf",
                     "zcy", "zcaoy", "jcf", "zlf",  "fsf", "ssf",  "hyf",  "sxf",  "syf", "zhenlf",
                     "hlf", "qtzl",  "hj",  "ysk",  "yjk", "ytk",  "zffs", "jsrq", "jsy"}));
    QCOMPARE(columnsOf(con, "tnum"), QStringList({"itype", "num"}));

    StoreQuery query(QStringLiteral("q"), &con);
    QCOMPARE(runSql(query, con, "select itype, num from tnum order by itype", false), 2);
    QCOMPARE(query.value(0, 0).toInt(), 0);
    QCOMPARE(query.value(0, 1).toInt(), 0);
    QCOMPARE(query.value(1, 0).toInt(), 1);
    QCOMPARE(query.value(1, 1).toInt(), 0);
}

void TestSchema::existingStoreIsNotAltered() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("other.db"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "setup");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery(db).exec("create table unrelated(x)");
        db.close();
    }
    QSqlDatabase::removeDatabase("setup");
    const QByteArray before = fileHash(path);

    {
        ReceiptConnection con(StoreLocation::sqliteFile(path));
        QVERIFY(con.open());
        StoreQuery query(QStringLiteral("q"), &con);
        // The store lacks the receipt tables: statements on them fail instead of creating them.
        QCOMPARE(runSql(query, con, "select num+1 as num from tnum where itype= 0", false),
                 StatementFailed);
    }
    QCOMPARE(fileHash(path), before);
}

void TestSchema::emptyFileIsLaidOut() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("receipts.db"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    ReceiptConnection con(StoreLocation::sqliteFile(path));
    QVERIFY(con.open());
    StoreQuery query(QStringLiteral("q"), &con);
    QCOMPARE(runSql(query, con, "select * from tnum", false), 2);
}

void TestSchema::idsKeepIncreasingAfterDeletes() {
    QTemporaryDir dir;
    ReceiptConnection con(StoreLocation::sqliteFile(dir.filePath("receipts.db")));
    StoreQuery query(QStringLiteral("q"), &con);
    QCOMPARE(runSql(query, con, "insert into tmz(num,name) values('1','a')", true), 1);
    QCOMPARE(runSql(query, con, "insert into tmz(num,name) values('2','b')", true), 1);
    QCOMPARE(runSql(query, con, "delete from tmz", true), 2);
    QCOMPARE(runSql(query, con, "insert into tmz(num,name) values('3','c')", true), 1);
    QCOMPARE(runSql(query, con, "select id from tmz", false), 1);
    QCOMPARE(query.fieldText("id"), QStringLiteral("3"));
}

QTEST_GUILESS_MAIN(TestSchema)
#include "test_schema.moc"
