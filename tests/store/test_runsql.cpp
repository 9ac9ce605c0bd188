#include "store/receiptconnection.h"
#include "store/runsql.h"
#include "store/storequery.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <chrono>
#include <thread>

using namespace store;

class TestRunSql : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void results_data();
    void results();
    void queryIsPositionedOnFirstRowAndKeepsItsRows();
    void failedStatementLeavesQueryClosed();
    void quoteDoubledIsStoredSingle();
    void secondStatementInOneTextNeverRuns();
    void detachedQueryIsAttached();
    void unreachableStoreFailsUntilItAppears();
    void waitsForAnotherProgramsLock();

private:
    QTemporaryDir* m_dir = nullptr;
    ReceiptConnection* m_con = nullptr;
    StoreQuery* m_query = nullptr;
};

void TestRunSql::init() {
    m_dir = new QTemporaryDir;
    m_con = new ReceiptConnection(StoreLocation::sqliteFile(m_dir->filePath("receipts.db")));
    m_query = new StoreQuery(QStringLiteral("qry_Tmp"), m_con);
    for (const char* name : {"张三", "李四", "王五"}) {
        QCOMPARE(runSql(*m_query, *m_con,
                        QStringLiteral("insert into tmz(num,name,operdate,zyf,hj) "
                                       "values('1','%1','2016-07-06',8.5,8.50)")
                            .arg(QString::fromUtf8(name)),
                        true),
                 1);
    }
}

void TestRunSql::cleanup() {
    delete m_query;
    delete m_con;
    delete m_dir;
}

void TestRunSql::results_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("execute");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("insert") << "insert into tmz(num,name) values('2','x')" << true << 1LL;
    QTest::newRow("update matching all") << "update tmz set name='y'" << true << 3LL;
    QTest::newRow("update matching no row") << "update tnum set num=5 where itype=7" << true << 0LL;
    QTest::newRow("delete matching no row") << "delete from tzy" << true << 0LL;
    QTest::newRow("delete") << "delete from tmz" << true << 3LL;
    QTest::newRow("query") << "select * from tmz" << false << 3LL;
    QTest::newRow("query with no row") << "select * from tmz where name='nobody'" << false << 0LL;
    QTest::newRow("syntax error") << "selec * from tmz" << false << -2LL;
    QTest::newRow("syntax error as command") << "insert into tmz values(" << true << -2LL;
    QTest::newRow("missing table") << "select * from tnothing" << false << -2LL;
    QTest::newRow("missing column") << "insert into tmz(nope) values(1)" << true << -2LL;
    QTest::newRow("lone point as bare value")
        << "insert into tmz(num,zyf) values('1',.)" << true << -2LL;
    QTest::newRow("empty bare value") << "insert into tmz(num,zyf) values('1',)" << true << -2LL;
    QTest::newRow("command opened as query") << "delete from tmz" << false << -2LL;
    QTest::newRow("empty statement") << "" << true << -2LL;
}

void TestRunSql::results() {
    QFETCH(QString, statement);
    QFETCH(bool, execute);
    QFETCH(qint64, expected);
    QCOMPARE(runSql(*m_query, *m_con, statement, execute), expected);
}

void TestRunSql::queryIsPositionedOnFirstRowAndKeepsItsRows() {
    StoreQuery adomz(QStringLiteral("adomz"), m_con);
    QCOMPARE(runSql(adomz, *m_con, "select name from tmz order by id desc", false), 3);
    QVERIFY(adomz.isOpen());
    QCOMPARE(adomz.currentRow(), 0);
    QCOMPARE(adomz.fieldText("NAME"), QStringLiteral("王五"));

    // Rows stored later do not show until the query runs again.
    QCOMPARE(runSql(*m_query, *m_con, "delete from tmz", true), 3);
    QCOMPARE(adomz.rowCount(), 3);
    QCOMPARE(adomz.value(2, 0).toString(), QStringLiteral("张三"));

    QCOMPARE(runSql(adomz, *m_con, "select name from tmz", false), 0);
    QVERIFY(adomz.isOpen());
    QCOMPARE(adomz.currentRow(), -1);
    QCOMPARE(adomz.fieldText("name"), QString());
    QVERIFY_THROWS_EXCEPTION(std::exception, adomz.fieldText("nosuchcolumn"));
}

void TestRunSql::failedStatementLeavesQueryClosed() {
    QCOMPARE(runSql(*m_query, *m_con, "select * from tmz", false), 3);
    QSignalSpy changed(m_query, &StoreQuery::resultChanged);
    QCOMPARE(runSql(*m_query, *m_con, "select * from nowhere", false), StatementFailed);
    QVERIFY(!m_query->isOpen());
    QCOMPARE(m_query->rowCount(), 0);
    QCOMPARE(changed.count(), 1);
}

void TestRunSql::quoteDoubledIsStoredSingle() {
    QCOMPARE(runSql(*m_query, *m_con, "insert into tmz(num,name) values('9','O''Brien')", true), 1);
    QCOMPARE(runSql(*m_query, *m_con, "select name from tmz where num='9'", false), 1);
    QCOMPARE(m_query->fieldText("name"), QStringLiteral("O'Brien"));
}

void TestRunSql::secondStatementInOneTextNeverRuns() {
    QCOMPARE(runSql(*m_query, *m_con, "select 1; delete from tmz", false), StatementFailed);
    QCOMPARE(runSql(*m_query, *m_con, "select * from tmz", false), 3);
}

void TestRunSql::detachedQueryIsAttached() {
    StoreQuery detached(QStringLiteral("loose"));
    QCOMPARE(runSql(detached, *m_con, "select * from tmz", false), 3);
    QCOMPARE(detached.connection(), m_con);
}

void TestRunSql::unreachableStoreFailsUntilItAppears() {
    QTemporaryDir dir;
    const QString folder = dir.filePath("later");
    ReceiptConnection con(StoreLocation::sqliteFile(folder + "/receipts.db"));
    StoreQuery query(QStringLiteral("q"), &con);

    QVERIFY(!con.open());
    QVERIFY(!con.lastError().isEmpty());
    QCOMPARE(runSql(query, con, "select * from tnum", false), StatementFailed);

    QVERIFY(QDir().mkpath(folder));
    QCOMPARE(runSql(query, con, "select * from tnum", false), 2);
    QVERIFY(con.isOpen());
}

void TestRunSql::waitsForAnotherProgramsLock() {
    // Another program holds the write lock for a moment; the insert waits for it instead of
    // failing at once with "database is locked".
    std::atomic<bool> locked{false};
    const QString path = m_dir->filePath("receipts.db");
    std::thread other([&] {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other-program");
            db.setDatabaseName(path);
            db.open();
            QSqlQuery q(db);
            q.exec("begin exclusive");
            locked = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
            q.exec("commit");
            db.close();
        }
        QSqlDatabase::removeDatabase("other-program");
    });
    while (!locked)
        std::this_thread::yield();
    const qint64 result = runSql(*m_query, *m_con, "insert into tmz(num) values('7')", true);
    other.join();
    QCOMPARE(result, 1);
}

QTEST_GUILESS_MAIN(TestRunSql)
#include "test_runsql.moc"
