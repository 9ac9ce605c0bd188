#include "receipts/statementvalues.h"

#include <QTest>

class TestStatementValues : public QObject {
    Q_OBJECT
private slots:
    void literals_data();
    void literals();
    void quoting_data();
    void quoting();
};

void TestStatementValues::literals_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("amount");
    QTest::addColumn<bool>("whole");
    QTest::newRow("integer") << "12" << true << true;
    QTest::newRow("decimal") << "12.50" << true << false;
    QTest::newRow("trailing point") << "7." << true << false;
    QTest::newRow("leading point") << ".5" << true << false;
    QTest::newRow("signed, blanks") << "  -3  " << true << true;
    QTest::newRow("exponent") << "1.5e-2" << true << false;
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("blank") << " " << false << false;
    QTest::newRow("lone point") << "." << false << false;
    QTest::newRow("sign only") << "-" << false << false;
    QTest::newRow("two points") << "1.2.3" << false << false;
    QTest::newRow("exponent without digits") << "1e" << false << false;
    QTest::newRow("unit") << "3天" << false << false;
    QTest::newRow("statement") << "0);delete from tmz;--" << false << false;
    QTest::newRow("subquery") << "(select 1)" << false << false;
    QTest::newRow("hex") << "0x10" << false << false;
    QTest::newRow("tab") << "\t1" << false << false;
    QTest::newRow("full-width digit") << "１" << false << false;
    QTest::newRow("two signs") << "--1" << false << false;
    QTest::newRow("comment") << "1--" << false << false;
}

void TestStatementValues::literals() {
    QFETCH(QString, text);
    QFETCH(bool, amount);
    QFETCH(bool, whole);
    QCOMPARE(receipts::isPlainNumberLiteral(text), amount);
    QCOMPARE(receipts::isPlainNumberLiteral(text, true), whole);
}

void TestStatementValues::quoting_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("literal");
    QTest::newRow("plain") << "张三"
                           << "'张三'";
    QTest::newRow("apostrophe") << "O'Neil"
                                << "'O''Neil'";
    QTest::newRow("only quotes") << "''"
                                 << "''''''";
    QTest::newRow("empty") << ""
                           << "''";
    QTest::newRow("kept as it is") << " a;-- "
                                   << "' a;-- '";
}

void TestStatementValues::quoting() {
    QFETCH(QString, text);
    QFETCH(QString, literal);
    QCOMPARE(receipts::quoted(text), literal);
}

QTEST_APPLESS_MAIN(TestStatementValues)
#include "test_statementvalues.moc"
