#include "app/mainwindow.h"
#include "modalanswerer.h"
#include "store/receiptconnection.h"
#include "store/runsql.h"
#include "store/storequery.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

using namespace store;

namespace {

// The SQLite ODBC driver as Debian's libsqliteodbc installs it.
QString sqliteOdbcDriver() {
    for (const QString& folder : QDir("/usr/lib").entryList({"*-linux-gnu"}, QDir::Dirs)) {
        const QString path = "/usr/lib/" + folder + "/odbc/libsqlite3odbc.so";
        if (QFile::exists(path))
            return path;
    }
    return QFile::exists("/usr/lib/odbc/libsqlite3odbc.so") ? "/usr/lib/odbc/libsqlite3odbc.so"
                                                            : QString();
}

void writeFile(const QString& path, const QString& text) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.toUtf8());
}

// The driver manager reads where its configuration lives once, when the first ODBC
// environment is made, so the private configuration is set before anything else runs.
struct OdbcSetup {
    QTemporaryDir dir;
    QString driver = sqliteOdbcDriver();
    QString dbPath = dir.filePath("receipts.db");

    OdbcSetup() {
        writeFile(
            dir.filePath("odbcinst.ini"),
            QStringLiteral("[SQLite3]\nDescription=SQLite3 ODBC Driver\nDriver=%1\n").arg(driver));
        writeFile(
            dir.filePath("odbc.ini"),
            QStringLiteral("[sqlite3]\nDriver=SQLite3\nDatabase=%1\nTimeout=5000\n").arg(dbPath));
        qputenv("ODBCSYSINI", dir.path().toLocal8Bit());
        qputenv("ODBCINI", dir.filePath("odbc.ini").toLocal8Bit());
    }
};

OdbcSetup* setup = nullptr;

} // namespace

// The store reached through a real unixODBC data source named sqlite3, defined in a private
// odbc.ini next to a private odbcinst.ini naming the SQLite ODBC driver.
class TestOdbc : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void statementsRunThroughDataSource();
    void windowNumbersThroughDataSource();
    void unknownDataSourceIsReported();
};

void TestOdbc::initTestCase() {
    if (!QSqlDatabase::isDriverAvailable("QODBC"))
        QSKIP("Qt's ODBC driver (libqt6sql6-odbc) is not installed");
    if (setup->driver.isEmpty())
        QSKIP("the SQLite ODBC driver (libsqliteodbc) is not installed");
    // The data source points at a store laid out by the program's own route.
    ReceiptConnection direct(StoreLocation::sqliteFile(setup->dbPath));
    QVERIFY(direct.open());
}

void TestOdbc::statementsRunThroughDataSource() {
    ReceiptConnection con(StoreLocation::odbcDataSource("sqlite3"));
    StoreQuery query(QStringLiteral("qry_Tmp"), &con);
    QVERIFY2(con.open(), qPrintable(con.lastError()));

    QCOMPARE(runSql(query, con, "insert into tmz(num,name,zyf) values('1','O''Brien',7.)", true),
             1);
    QCOMPARE(runSql(query, con, "insert into tmz(num,name,zyf) values('2','张三',.5)", true), 1);
    QCOMPARE(runSql(query, con, "select name from tmz order by id desc", false), 2);
    QCOMPARE(query.fieldText("name"), QStringLiteral("张三"));
    QCOMPARE(query.value(1, 0).toString(), QStringLiteral("O'Brien"));
    QCOMPARE(runSql(query, con, "update tnum set num=5 where itype=9", true), 0);
    QCOMPARE(runSql(query, con, "select * from tmz where name='nobody'", false), 0);
    QCOMPARE(runSql(query, con, "selec nothing", false), StatementFailed);
    QCOMPARE(runSql(query, con, "delete from tmz", true), 2);
}

void TestOdbc::windowNumbersThroughDataSource() {
    ModalAnswerer answerer;
    app::TfrmMain window(StoreLocation::odbcDataSource("sqlite3"));
    window.show();
    QTRY_COMPARE(window.findChild<QLineEdit*>("edtno")->text(), QStringLiteral("0000000001"));
    window.SaveNumber("0000000041");
    QCOMPARE(window.GetNextNumber(0), QStringLiteral("0000000042"));
    QVERIFY(answerer.seen().isEmpty());
}

void TestOdbc::unknownDataSourceIsReported() {
    ModalAnswerer answerer;
    app::TfrmMain window(StoreLocation::odbcDataSource("nosuchsource"));
    QCOMPARE(answerer.seen().size(), 1);
    QVERIFY2(answerer.texts().first().contains("not found"), qPrintable(answerer.texts().first()));
    window.show();
    QTRY_COMPARE(answerer.texts().last(), QStringLiteral("自动编号失败"));
    QCOMPARE(window.findChild<QLineEdit*>("edtno")->text(), QString());
}

int main(int argc, char* argv[]) {
    OdbcSetup odbc;
    setup = &odbc;
    QApplication application(argc, argv);
    TestOdbc test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_odbc.moc"
