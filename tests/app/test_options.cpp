#include "app/options.h"

#include <QTest>

using store::StoreLocation;

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
};

void TestOptions::parse_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("target");
    const int file = int(StoreLocation::Kind::SqliteFile);
    const int dsn = int(StoreLocation::Kind::OdbcDataSource);
    QTest::newRow("default") << QStringList{"cashier"} << true << file << "receipts.db";
    QTest::newRow("database") << QStringList{"cashier", "--database", "x/y.db"} << true << file
                              << "x/y.db";
    QTest::newRow("database=") << QStringList{"cashier", "--database=z.db"} << true << file
                               << "z.db";
    QTest::newRow("dsn") << QStringList{"cashier", "--dsn", "sqlite3"} << true << dsn << "sqlite3";
    QTest::newRow("both") << QStringList{"cashier", "--dsn", "a", "--database", "b"} << false << 0
                          << "";
    QTest::newRow("missing value") << QStringList{"cashier", "--database"} << false << 0 << "";
    QTest::newRow("empty value") << QStringList{"cashier", "--dsn="} << false << 0 << "";
    QTest::newRow("unknown option") << QStringList{"cashier", "--store", "a"} << false << 0 << "";
    QTest::newRow("stray argument") << QStringList{"cashier", "a.db"} << false << 0 << "";
}

void TestOptions::parse() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, valid);
    QFETCH(int, kind);
    QFETCH(QString, target);
    QString error;
    const auto options = app::parseStartOptions(arguments, &error);
    QCOMPARE(options.has_value(), valid);
    if (!valid) {
        QVERIFY(!error.isEmpty());
        return;
    }
    QCOMPARE(int(options->store.kind), kind);
    QCOMPARE(options->store.target, target);
}

QTEST_GUILESS_MAIN(TestOptions)
#include "test_options.moc"
