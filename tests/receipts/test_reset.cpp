#include "rawstore.h"
#include "receiptfixture.h"

#include <QDateEdit>

class TestReset : public QObject {
    Q_OBJECT
private slots:
    void resetClearsBothPagesAndFetchesNumbers_data();
    void resetClearsBothPagesAndFetchesNumbers();
    void untouchedAmountsTriggerNothing();
    void unreachableStoreReportsTwice();
};

void TestReset::resetClearsBothPagesAndFetchesNumbers_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("outpatient 下一张") << "btn1";
    QTest::newRow("inpatient 下一张") << "btnzynext";
}

void TestReset::resetClearsBothPagesAndFetchesNumbers() {
    QFETCH(QString, button);
    ReceiptFixture f;
    f.edit("edtname")->setText("A");
    f.type("edtzyf", "12");
    f.type("edtxyf", "3.5");
    f.answerer->answer(QMessageBox::Yes);
    f.click("btnPrint");
    QCOMPARE(f.text("edtno"), QStringLiteral("0000000002"));

    f.choosePage(1);
    for (const char* name : {"EDtzyh", "EDtzyname", "EDtzydw", "zffs", "jsy"})
        f.edit(name)->setText("x");
    f.type("cwf", "5");
    f.type("ysk", "10");
    QCOMPARE(f.text("ytk"), QStringLiteral("10.00"));
    f.edit("EDtzyno")->setText("777");
    const QDate date(2016, 7, 6);
    for (const char* name : {"dtpzyrq", "dtpcyrq", "dtpjsrq"})
        f.window->findChild<QDateEdit*>(name)->setDate(date);
    f.window->findChild<QDateEdit*>("dtp1")->setDate(date);
    for (const char* name : {"EDmzname", "EDmzno", "EDzyname", "EDzyno", "EDzyh"})
        f.edit(name)->setText("filter");
    f.choosePage(button == "btn1" ? 0 : 1);
    f.answerer->clear();

    f.click(button);
    for (const char* name : {"edtname", "EDtzyh", "EDtzyname", "EDtzydw", "EDtzyts", "zffs", "jsy",
                             "EDmzname", "EDmzno", "EDzyname", "EDzyno", "EDzyh"})
        QVERIFY2(f.text(name).isEmpty(), name);
    for (const char* name : {"edtzyf", "edtxyf", "edtqtf", "cwf", "qtzl", "ysk", "yjk", "ytk"})
        QVERIFY2(f.text(name) == "0.00", name);
    for (const char* panel : {"pnlhj", "pnlzyhj"})
        QCOMPARE(f.caption(panel), QStringLiteral("0.00"));
    for (const char* panel : {"pnlhjdx", "pnlzyhjdx"})
        QCOMPARE(f.caption(panel), QString());
    // The print already advanced the number; the reset shows the same one again.
    QCOMPARE(f.text("edtno"), QStringLiteral("0000000002"));
    QCOMPARE(f.text("EDtzyno"), QStringLiteral("0000000001"));
    for (const char* name : {"dtp1", "dtpzyrq", "dtpcyrq", "dtpjsrq"})
        QCOMPARE(f.window->findChild<QDateEdit*>(name)->date(), date);
    QVERIFY(f.answerer->seen().isEmpty());

    // A second reset consumes no number.
    f.click(button);
    QCOMPARE(f.text("edtno"), QStringLiteral("0000000002"));
    QCOMPARE(f.text("EDtzyno"), QStringLiteral("0000000001"));
}

void TestReset::untouchedAmountsTriggerNothing() {
    ReceiptFixture f;
    f.choosePage(1); // both number fields hold their numbers
    f.choosePage(0);
    QStringList changed;
    for (QLineEdit* field : f.window->findChildren<QLineEdit*>())
        QObject::connect(field, &QLineEdit::textChanged,
                         [&changed, field] { changed << field->objectName(); });
    f.click("btn1");
    // Only the length of stay changes, from "0" to empty.
    QCOMPARE(changed, QStringList{"EDtzyts"});
    QCOMPARE(f.text("EDtzyts"), QString());
}

void TestReset::unreachableStoreReportsTwice() {
    ReceiptFixture f;
    f.type("edtzyf", "4");
    rawExec(f.storePath(), "drop table tnum");
    f.click("btn1");
    QCOMPARE(f.answerer->texts(), QStringList({"自动编号失败", "自动编号失败"}));
    QCOMPARE(f.text("edtno"), QString());
    QCOMPARE(f.text("EDtzyno"), QString());
    QCOMPARE(f.text("edtzyf"), QStringLiteral("0.00"));
    QCOMPARE(f.caption("pnlhj"), QStringLiteral("0.00"));
}

QTEST_MAIN(TestReset)
#include "test_reset.moc"
