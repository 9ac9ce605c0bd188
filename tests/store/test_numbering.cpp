#include "app/guard.h"
#include "app/mainwindow.h"
#include "modalanswerer.h"
#include "rawstore.h"
#include "store/numbering.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace store;

class TestNumbering : public QObject {
    Q_OBJECT
private slots:
    void padding_data();
    void padding();
    void conversion_data();
    void conversion();
    void statements();

    void nextNumberFromCounter_data();
    void nextNumberFromCounter();
    void missingCounterRowGivesZerosSilently();
    void failingSelectReportsAndGivesEmpty();
    void saveNumberSetsCounterOfShownPage();
    void saveNumberReportsFailedUpdate();
    void conversionErrorReachesErrorBoxBeforeAnyStatement();
};

void TestNumbering::padding_data() {
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one") << "1"
                         << "0000000001";
    QTest::newRow("42") << "42"
                        << "0000000042";
    QTest::newRow("empty") << ""
                           << "0000000000";
    QTest::newRow("ten digits") << "1234567890"
                                << "1234567890";
    QTest::newRow("eleven digits kept") << "10000000000"
                                        << "10000000000";
    QTest::newRow("negative") << "-5"
                              << "00000000-5";
}

void TestNumbering::padding() {
    QFETCH(QString, counter);
    QFETCH(QString, expected);
    QCOMPARE(padReceiptNumber(counter), expected);
}

void TestNumbering::conversion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("padded") << "0000000042" << true << 42;
    QTest::newRow("plain") << "500" << true << 500;
    QTest::newRow("leading blanks") << "  7" << true << 7;
    QTest::newRow("plus") << "+8" << true << 8;
    QTest::newRow("minus") << "-9" << true << -9;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
    QTest::newRow("beyond range") << "2147483648" << false << 0;
    QTest::newRow("far beyond range") << "99999999999999999999999" << false << 0;
    QTest::newRow("fraction") << "4.5" << false << 0;
    QTest::newRow("trailing blank") << "42 " << false << 0;
    QTest::newRow("trailing letters") << "42abc" << false << 0;
    QTest::newRow("hex") << "$2A" << false << 0;
    QTest::newRow("full-width digits") << "４２" << false << 0;
    QTest::newRow("blank after sign") << "- 4" << false << 0;
}

void TestNumbering::conversion() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    if (valid) {
        QCOMPARE(toInt32(text), value);
        return;
    }
    try {
        toInt32(text);
        QFAIL("no conversion error");
    } catch (const IntegerConversionError& e) {
        QCOMPARE(QString::fromUtf8(e.what()),
                 QStringLiteral("''%1'' is not a valid integer value").arg(text));
    }
}

void TestNumbering::statements() {
    QCOMPARE(nextNumberStatement(0),
             QStringLiteral("select num+1 as num from tnum where itype= 0"));
    QCOMPARE(saveNumberStatement(42, 0), QStringLiteral("update tnum set num=42 where itype=0"));
    QCOMPARE(saveNumberStatement(-3, 1), QStringLiteral("update tnum set num=-3 where itype=1"));
}

void TestNumbering::nextNumberFromCounter_data() {
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("41") << "41"
                        << "0000000042";
    QTest::newRow("ten nines") << "9999999999"
                               << "10000000000";
    QTest::newRow("null") << "null"
                          << "0000000000";
}

void TestNumbering::nextNumberFromCounter() {
    QFETCH(QString, counter);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath("receipts.db");
    app::TfrmMain window(StoreLocation::sqliteFile(path));
    QVERIFY(rawExec(path, "update tnum set num=" + counter + " where itype=1"));
    ModalAnswerer answerer;
    QCOMPARE(window.GetNextNumber(1), expected);
    QCOMPARE(window.GetNextNumber(0), QStringLiteral("0000000001"));
    QVERIFY(answerer.seen().isEmpty());
}

void TestNumbering::missingCounterRowGivesZerosSilently() {
    QTemporaryDir dir;
    const QString path = dir.filePath("receipts.db");
    app::TfrmMain window(StoreLocation::sqliteFile(path));
    QVERIFY(rawExec(path, "delete from tnum where itype=1"));
    ModalAnswerer answerer;
    window.findChild<QTabWidget*>("pgc1")->setCurrentIndex(1);
    QCOMPARE(window.GetNextNumber(1), QStringLiteral("0000000000"));
    window.SaveNumber("0000000000");
    QCOMPARE(window.GetNextNumber(1), QStringLiteral("0000000000"));
    QVERIFY(answerer.seen().isEmpty());
}

void TestNumbering::failingSelectReportsAndGivesEmpty() {
    QTemporaryDir dir;
    const QString path = dir.filePath("receipts.db");
    app::TfrmMain window(StoreLocation::sqliteFile(path));
    QVERIFY(rawExec(path, "drop table tnum"));
    ModalAnswerer answerer;
    QCOMPARE(window.GetNextNumber(0), QString());
    QCOMPARE(answerer.texts(), QStringList{"自动编号失败"});
    QCOMPARE(answerer.seen().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(answerer.seen().first().title, app::applicationTitle());
}

void TestNumbering::saveNumberSetsCounterOfShownPage() {
    QTemporaryDir dir;
    const QString path = dir.filePath("receipts.db");
    app::TfrmMain window(StoreLocation::sqliteFile(path));
    auto* pages = window.findChild<QTabWidget*>("pgc1");

    pages->setCurrentIndex(0);
    window.SaveNumber("500");
    QCOMPARE(window.GetNextNumber(0), QStringLiteral("0000000501"));
    QCOMPARE(window.GetNextNumber(1), QStringLiteral("0000000001"));

    // A lower number moves the counter back.
    window.SaveNumber("  0000000007");
    QCOMPARE(window.GetNextNumber(0), QStringLiteral("0000000008"));

    // Every page but the outpatient receipt counts as inpatient.
    for (int page : {1, 2, 3, 4}) {
        pages->setCurrentIndex(page);
        window.SaveNumber(QString::number(20 + page));
        QCOMPARE(window.GetNextNumber(1), QString::number(21 + page).rightJustified(10, '0'));
    }
    QCOMPARE(window.GetNextNumber(0), QStringLiteral("0000000008"));
}

void TestNumbering::saveNumberReportsFailedUpdate() {
    QTemporaryDir dir;
    const QString path = dir.filePath("receipts.db");
    app::TfrmMain window(StoreLocation::sqliteFile(path));
    QVERIFY(rawExec(path, "drop table tnum"));
    ModalAnswerer answerer;
    window.SaveNumber("5");
    QCOMPARE(answerer.texts(), QStringList{"更新编号失败"});
}

void TestNumbering::conversionErrorReachesErrorBoxBeforeAnyStatement() {
    QTemporaryDir dir;
    const QString path = dir.filePath("receipts.db");
    app::TfrmMain window(StoreLocation::sqliteFile(path));
    ModalAnswerer answerer;
    bool after = false;
    app::guarded([&] {
        window.SaveNumber("");
        after = true;
    });
    QVERIFY(!after);
    QCOMPARE(answerer.texts(), QStringList{"'''' is not a valid integer value."});
    QCOMPARE(answerer.seen().first().icon, QMessageBox::Critical);
    QCOMPARE(rawScalar(path, "select num from tnum where itype=0").toInt(), 0);
}

QTEST_MAIN(TestNumbering)
#include "test_numbering.moc"
