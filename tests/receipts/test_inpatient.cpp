#include "printing/templatefile.h"
#include "rawstore.h"
#include "receiptfixture.h"

#include <QDateEdit>
#include <QFile>

namespace {

const QStringList feeFields{"cwf", "xyf", "zcy", "zcaoy", "jcf",    "zlf", "fsf",
                            "ssf", "hyf", "sxf", "syf",   "zhenlf", "hlf", "qtzl"};

QDateEdit* picker(ReceiptFixture& f, const char* name) {
    return f.window->findChild<QDateEdit*>(name);
}

int storedCount(const ReceiptFixture& f) {
    return rawScalar(f.storePath(), "select count(*) from tzy").toInt();
}

} // namespace

class TestInpatient : public QObject {
    Q_OBJECT
private slots:
    void lengthOfStay_data();
    void lengthOfStay();
    void refund_data();
    void refund();
    void fullReceiptFromKeysToPaper();
    void emptyLengthOfStayBecomesZero();
    void failuresStoreNothing_data();
    void failuresStoreNothing();
};

void TestInpatient::lengthOfStay_data() {
    QTest::addColumn<QDate>("admitted");
    QTest::addColumn<QDate>("discharged");
    QTest::addColumn<QString>("days");
    QTest::newRow("same day") << QDate(2016, 7, 1) << QDate(2016, 7, 1) << "0";
    QTest::newRow("five days") << QDate(2016, 7, 1) << QDate(2016, 7, 6) << "5";
    QTest::newRow("reversed") << QDate(2016, 7, 6) << QDate(2016, 7, 3) << "3";
    QTest::newRow("over a leap day") << QDate(2024, 2, 28) << QDate(2024, 3, 1) << "2";
    QTest::newRow("over a year") << QDate(2023, 12, 31) << QDate(2025, 1, 1) << "367";
}

void TestInpatient::lengthOfStay() {
    QFETCH(QDate, admitted);
    QFETCH(QDate, discharged);
    QFETCH(QString, days);
    ReceiptFixture f;
    f.choosePage(1);
    picker(f, "dtpzyrq")->setDate(admitted);
    picker(f, "dtpcyrq")->setDate(discharged);
    QCOMPARE(f.text("EDtzyts"), days);
    // A typed length survives until a date changes again; the totals are not touched.
    f.edit("EDtzyts")->setText("9");
    picker(f, "dtpzyrq")->setDate(admitted.addDays(-1));
    QCOMPARE(f.text("EDtzyts"), QString::number(qAbs(admitted.addDays(-1).daysTo(discharged))));
    QCOMPARE(f.caption("pnlzyhj"), QStringLiteral("0.00"));
}

void TestInpatient::refund_data() {
    QTest::addColumn<QString>("advance");
    QTest::addColumn<QString>("due");
    QTest::addColumn<QString>("refund");
    QTest::newRow("100 over 80.5") << "100"
                                   << "80.5"
                                   << "19.50";
    QTest::newRow("equal") << "80.5"
                           << "80.50"
                           << "0.00";
    QTest::newRow("smaller") << "10"
                             << "80"
                             << "0.00";
    QTest::newRow("ten-thousandths decide") << "10.001"
                                            << "10"
                                            << "0.00";
}

void TestInpatient::refund() {
    QFETCH(QString, advance);
    QFETCH(QString, due);
    QFETCH(QString, refund);
    ReceiptFixture f;
    f.choosePage(1);
    f.type("ysk", advance);
    f.type("yjk", due);
    QCOMPARE(f.text("ytk"), refund);
    // The fees and their total are no part of the refund, nor the refund of the total.
    QCOMPARE(f.caption("pnlzyhj"), QStringLiteral("0.00"));
}

void TestInpatient::fullReceiptFromKeysToPaper() {
    ReceiptFixture f;
    f.choosePage(1);
    QCOMPARE(f.text("EDtzyno"), QStringLiteral("0000000001"));
    const std::pair<const char*, const char*> texts[] = {{"EDtzyh", "Z'0815"},
                                                         {"EDtzyname", "O'Brien 李"},
                                                         {"EDtzydw", "红星'厂"},
                                                         {"zffs", "现金'"},
                                                         {"jsy", "王'五"}};
    for (const auto& [name, text] : texts)
        f.edit(name)->setText(QString::fromUtf8(text));
    picker(f, "dtpzyrq")->setDate(QDate(2016, 7, 1));
    picker(f, "dtpcyrq")->setDate(QDate(2016, 7, 6));
    picker(f, "dtpjsrq")->setDate(QDate(2016, 7, 7));
    for (int i = 0; i < feeFields.size(); ++i)
        f.type(feeFields[i], QString::number(i + 1) + ".5");
    QCOMPARE(f.caption("pnlzyhj"), QStringLiteral("112.00"));
    QCOMPARE(f.caption("pnlzyhjdx"), QStringLiteral("壹佰壹拾贰元整"));
    f.type("ysk", "200");
    f.type("yjk", "112");
    QCOMPARE(f.text("ytk"), QStringLiteral("88.00"));
    f.type("ytk", "88"); // the cashier types over the refund

    f.answerer->answer(QMessageBox::Yes);
    f.click("btnPrintzy");
    QCOMPARE(f.answerer->texts(), QStringList{"确定要打印吗?"});
    QCOMPARE(f.text("EDtzyno"), QStringLiteral("0000000002"));
    QCOMPARE(rawScalar(f.storePath(), "select num from tnum where itype=1").toInt(), 1);
    QCOMPARE(rawScalar(f.storePath(), "select num from tnum where itype=0").toInt(), 0);

    const QList<QVariantList> rows = rawRows(
        f.storePath(), "select num,zyh,name,dw,zyrq,cyrq,zyts,cwf,xyf,zcy,zcaoy,jcf,zlf,fsf,ssf,"
                       "hyf,sxf,syf,zhenlf,hlf,qtzl,hj,ysk,yjk,ytk,zffs,jsrq,jsy from tzy");
    QCOMPARE(rows.size(), 1);
    const QVariantList& row = rows.first();
    const QStringList quotedTexts{"0000000001", "Z'0815",     "O'Brien 李",
                                  "红星'厂",    "2016-07-01", "2016-07-06"};
    for (int c = 0; c < quotedTexts.size(); ++c)
        QCOMPARE(row[c].toString(), quotedTexts[c]);
    QCOMPARE(row[6].toInt(), 5);
    for (int i = 0; i < 14; ++i)
        QCOMPARE(row[7 + i].toDouble(), i + 1.5);
    QCOMPARE(row[21].toDouble(), 112.0);
    QCOMPARE(row[22].toDouble(), 200.0);
    QCOMPARE(row[23].toDouble(), 112.0);
    QCOMPARE(row[24].toDouble(), 88.0);
    QCOMPARE(row[25].toString(), QStringLiteral("现金'"));
    QCOMPARE(row[26].toString(), QStringLiteral("2016-07-07"));
    QCOMPARE(row[27].toString(), QStringLiteral("王'五"));

    QCOMPARE(f.answerer->previews().size(), 1);
    const std::pair<const char*, QString> printed[] = {{"edtzyno", "0000000001"},
                                                       {"edtzyh", "Z'0815"},
                                                       {"edtzyname", "O'Brien 李"},
                                                       {"edtzydw", "红星'厂"},
                                                       {"dtpzyrq", "2016年07月01日"},
                                                       {"dtpcyrq", "2016年07月06日"},
                                                       {"edtzyts", "5"},
                                                       {"cwf", "1.50"},
                                                       {"qtzl", "14.50"},
                                                       {"edthj", "112.00"},
                                                       {"edthjdx", "壹佰壹拾贰元整"},
                                                       {"ysk", "200.00"},
                                                       {"yjk", "112.00"},
                                                       {"ytk", "88.00"},
                                                       {"zffs", "现金'"},
                                                       {"dtpjsrq", "2016年07月07日"},
                                                       {"jsy", "王'五"},
                                                       {"Memo59", "小     写"}};
    for (const auto& [object, text] : printed)
        QVERIFY2(f.answerer->previewText(QString::fromLatin1(object)) == text, object);
}

void TestInpatient::emptyLengthOfStayBecomesZero() {
    ReceiptFixture f;
    f.choosePage(1);
    f.edit("EDtzyts")->clear();
    f.edit("cwf")->clear(); // the save fails, the length is still set
    f.answerer->answer(QMessageBox::Yes);
    f.click("btnPrintzy");
    QCOMPARE(f.answerer->texts().last(), QStringLiteral("保存数据失败"));
    QCOMPARE(f.text("EDtzyts"), QStringLiteral("0"));

    f.edit("cwf")->setText("1");
    f.edit("EDtzyts")->clear();
    f.answerer->answer(QMessageBox::Yes);
    f.click("btnPrintzy");
    QCOMPARE(rawScalar(f.storePath(), "select zyts from tzy").toInt(), 0);
    QCOMPARE(f.answerer->previewText("edtzyts"), QStringLiteral("0"));
}

void TestInpatient::failuresStoreNothing_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("length with its unit") << "EDtzyts"
                                          << "3天"
                                          << "保存数据失败";
    QTest::newRow("length not whole") << "EDtzyts"
                                      << "1.5"
                                      << "保存数据失败";
    QTest::newRow("length injected") << "EDtzyts"
                                     << "0,0,0);delete from tzy;--"
                                     << "保存数据失败";
    QTest::newRow("empty fee") << "qtzl"
                               << ""
                               << "保存数据失败";
    QTest::newRow("refund typed over badly") << "ytk"
                                             << "abc"
                                             << "保存数据失败";
    QTest::newRow("advance beyond range") << "ysk"
                                          << "1e16"
                                          << "'1e16' is not a valid floating point value.";
    QTest::newRow("number not whole") << "EDtzyno"
                                      << "1 2"
                                      << "''1 2'' is not a valid integer value.";
    QTest::newRow("template lacks the length") << "template"
                                               << "edtzyts"
                                               << "打印模板 zy.fr3 缺少对象：edtzyts";
}

void TestInpatient::failuresStoreNothing() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    ReceiptFixture f;
    f.choosePage(1);
    if (field == "template") {
        printing::Report report = printing::readTemplateFile(f.path("zy.fr3"));
        report.pages.front().objects.erase(
            std::find_if(report.pages.front().objects.begin(), report.pages.front().objects.end(),
                         [&](const printing::TextObject& o) { return o.name == text; }));
        printing::writeTemplateFile(report, f.path("zy.fr3"));
    } else {
        f.edit(field)->setText(text);
    }
    f.answerer->answer(QMessageBox::Yes);
    f.click("btnPrintzy");
    QCOMPARE(f.answerer->texts().size(), 2);
    QCOMPARE(f.answerer->texts().last(), message);
    QCOMPARE(storedCount(f), 0);
    QCOMPARE(rawScalar(f.storePath(), "select num from tnum where itype=1").toInt(), 0);
    QVERIFY(f.answerer->previews().isEmpty());
}

QTEST_MAIN(TestInpatient)
#include "test_inpatient.moc"
