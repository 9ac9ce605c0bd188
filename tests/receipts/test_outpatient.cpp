#include "app/datepicker.h"
#include "printing/templatefile.h"
#include "rawstore.h"
#include "receiptfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QInputMethodEvent>
#include <functional>

namespace {

const QStringList feeFields{"edtzyf",   "edtxyf", "edttszxf", "edthyzjf",
                            "edtczzsf", "edtssf", "edtqtf"};

QList<QVariantList> storedRows(const ReceiptFixture& f) {
    return rawRows(f.storePath(), "select num,name,operdate,zyf,xyf,tszxf,hyzjf,czzsf,ssf,qtf,hj "
                                  "from tmz order by id");
}

int counter(const ReceiptFixture& f) {
    return rawScalar(f.storePath(), "select num from tnum where itype=0").toInt();
}

} // namespace

using Setup = std::function<void(ReceiptFixture&)>;
Q_DECLARE_METATYPE(Setup)

class TestOutpatient : public QObject {
    Q_OBJECT
private slots:
    void totalsFollowEveryKey_data();
    void totalsFollowEveryKey();
    void sumBeyondRangeKeepsPanels();
    void fullReceiptFromKeysToPaper();
    void answerNoChangesNothing();
    void failuresStoreNothing_data();
    void failuresStoreNothing();
    void failuresAfterTheRowAreReported();
    void typedNumberMovesTheCounter();
    void keyFilterOnTheRealFields();
};

void TestOutpatient::totalsFollowEveryKey_data() {
    QTest::addColumn<QStringList>("fees");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("capitals");
    QTest::newRow("all zero") << QStringList{} << "0.00"
                              << "";
    QTest::newRow("12 and 0.5") << QStringList{"12", "0.5"} << "12.50"
                                << "壹拾贰元伍角";
    QTest::newRow("0.125") << QStringList{"0.125"} << "0.12"
                           << "壹角贰分";
    QTest::newRow("0.135") << QStringList{"0.135"} << "0.14"
                           << "壹角肆分";
    QTest::newRow("two of 0.005") << QStringList{"0.005", "0.005"} << "0.01"
                                  << "壹分";
    QTest::newRow("one of 0.005") << QStringList{"0.005"} << "0.00"
                                  << "";
    QTest::newRow("lone point and empty count as 0") << QStringList{".", "", "3"} << "3.00"
                                                     << "叁元整";
}

void TestOutpatient::totalsFollowEveryKey() {
    QFETCH(QStringList, fees);
    QFETCH(QString, total);
    QFETCH(QString, capitals);
    ReceiptFixture f;
    for (int i = 0; i < fees.size(); ++i)
        f.type(feeFields[i], fees[i]);
    QCOMPARE(f.caption("pnlhj"), total);
    QCOMPARE(f.caption("pnlhjdx"), capitals);
    // Emptying a field by Backspace counts it as 0 at once.
    if (!fees.isEmpty()) {
        f.type(feeFields[0], "");
        QCOMPARE(f.text(feeFields[0]), QString());
    }
    QVERIFY(f.answerer->seen().isEmpty());
}

void TestOutpatient::sumBeyondRangeKeepsPanels() {
    ReceiptFixture f;
    f.edit("edtzyf")->setText("922337203685477");
    QCOMPARE(f.caption("pnlhj"), QStringLiteral("922337203685477.00"));
    QCOMPARE(f.caption("pnlhjdx"), QStringLiteral("金额超出范围"));
    f.edit("edtxyf")->setText("1");
    QCOMPARE(f.answerer->texts(), QStringList{"合计金额超出范围."});
    QCOMPARE(f.caption("pnlhj"), QStringLiteral("922337203685477.00"));
}

void TestOutpatient::fullReceiptFromKeysToPaper() {
    ReceiptFixture f;
    QCOMPARE(f.text("edtno"), QStringLiteral("0000000001"));
    f.edit("edtname")->setText(QStringLiteral("O'Neil 张"));
    f.window->findChild<QDateEdit*>("dtp1")->setDate(QDate(2016, 7, 6));
    f.type("edtzyf", "12");
    f.type("edtxyf", "8.5");
    f.type("edttszxf", "7.");
    f.type("edthyzjf", ".5");
    f.type("edtqtf", "0.125");
    QCOMPARE(f.caption("pnlhj"), QStringLiteral("28.12"));
    QCOMPARE(f.caption("pnlhjdx"), QStringLiteral("贰拾捌元壹角贰分"));

    for (int print = 1; print <= 2; ++print) {
        f.answerer->answer(QMessageBox::Yes);
        f.click("btnPrint");
        QCOMPARE(f.answerer->texts(), QStringList{"确定要打印吗?"});
        QCOMPARE(f.answerer->previews().size(), 1);
        const QString number = QString::number(print).rightJustified(10, '0');
        const std::pair<const char*, QString> printed[] = {
            {"edtno", number},
            {"edtname", QStringLiteral("O'Neil 张")},
            {"edtdate", "2016年07月06日"},
            {"edtzyf", "12.00"},
            {"edtxyf", "8.50"},
            {"edttszxf", "7.00"},
            {"edthyzjf", "0.50"},
            {"edtczzsf", "0.00"},
            {"edtssf", "0.00"},
            {"edtqt", "0.12"},
            {"edthj", "28.12"},
            {"edthjdx", QStringLiteral("贰拾捌元壹角贰分")}};
        for (const auto& [object, text] : printed)
            QCOMPARE(f.answerer->previewText(QString::fromLatin1(object)), text);
        // Fixed captions keep their designed texts.
        QCOMPARE(f.answerer->previewText("Memo1"), QStringLiteral("门诊医药费收据"));
        QCOMPARE(f.text("edtno"), QString::number(print + 1).rightJustified(10, '0'));
        QCOMPARE(counter(f), print);
        f.answerer->clear();
    }

    const QList<QVariantList> rows = storedRows(f);
    QCOMPARE(rows.size(), 2);
    for (int r = 0; r < 2; ++r) {
        const QVariantList& row = rows[r];
        QCOMPARE(row[0].toString(), QString::number(r + 1).rightJustified(10, '0'));
        QCOMPARE(row[1].toString(), QStringLiteral("O'Neil 张"));
        QCOMPARE(row[2].toString(), QStringLiteral("2016-07-06"));
        const double amounts[] = {12, 8.5, 7, 0.5, 0, 0, 0.125, 28.12};
        for (int c = 0; c < 8; ++c)
            QCOMPARE(row[3 + c].toDouble(), amounts[c]);
    }
    // The fields keep the receipt after printing.
    QCOMPARE(f.text("edtqtf"), QStringLiteral("0.125"));
}

void TestOutpatient::answerNoChangesNothing() {
    ReceiptFixture f;
    f.type("edtzyf", "5");
    f.answerer->answer(QMessageBox::No);
    f.click("btnPrint");
    QCOMPARE(f.answerer->texts(), QStringList{"确定要打印吗?"});
    QVERIFY(storedRows(f).isEmpty());
    QCOMPARE(counter(f), 0);
    QCOMPARE(f.text("edtno"), QStringLiteral("0000000001"));
    QVERIFY(f.answerer->previews().isEmpty());
}

void TestOutpatient::failuresStoreNothing_data() {
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("message");
    auto amount = [](const char* text) {
        return Setup([text](ReceiptFixture& f) { f.edit("edtssf")->setText(text); });
    };
    QTest::newRow("empty amount") << amount("") << "保存数据失败";
    QTest::newRow("lone point") << amount(".") << "保存数据失败";
    QTest::newRow("two points") << amount("1.2.3") << "保存数据失败";
    QTest::newRow("exponent without digits") << amount("1e") << "保存数据失败";
    QTest::newRow("statement injection") << amount("0);delete from tmz;--") << "保存数据失败";
    QTest::newRow("subquery") << amount("(select 1)") << "保存数据失败";
    QTest::newRow("hex literal") << amount("0x10") << "保存数据失败";
    QTest::newRow("beyond the money range")
        << amount("1e20") << "'1e20' is not a valid floating point value.";
    QTest::newRow("number not whole")
        << Setup([](ReceiptFixture& f) { f.edit("edtno")->setText("12a"); })
        << "''12a'' is not a valid integer value.";
    QTest::newRow("number empty") << Setup([](ReceiptFixture& f) { f.edit("edtno")->clear(); })
                                  << "'''' is not a valid integer value.";
    QTest::newRow("template missing")
        << Setup([](ReceiptFixture& f) { QFile::remove(f.path("mz.fr3")); })
        << "找不到打印模板 mz.fr3";
    QTest::newRow("template lacks an object") << Setup([](ReceiptFixture& f) {
        printing::Report report = printing::readTemplateFile(f.path("mz.fr3"));
        report.findObject("edtqt")->name = "edtqtf";
        printing::writeTemplateFile(report, f.path("mz.fr3"));
    }) << "打印模板 mz.fr3 缺少对象：edtqt";
    QTest::newRow("template unreadable") << Setup([](ReceiptFixture& f) {
        QFile file(f.path("mz.fr3"));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write("<cashier-report version=\"1\"><page");
    }) << "打印模板无法读取：";
    QTest::newRow("receipt table gone")
        << Setup([](ReceiptFixture& f) { rawExec(f.storePath(), "drop table tmz"); })
        << "保存数据失败";
}

void TestOutpatient::failuresStoreNothing() {
    QFETCH(Setup, setup);
    QFETCH(QString, message);
    ReceiptFixture f;
    f.type("edtzyf", "12");
    setup(f);
    const QString numberBefore = f.text("edtno");
    f.answerer->answer(QMessageBox::Yes);
    f.click("btnPrint");
    QCOMPARE(f.answerer->texts().size(), 2);
    QCOMPARE(f.answerer->texts().first(), QStringLiteral("确定要打印吗?"));
    QVERIFY2(f.answerer->texts().last().startsWith(message),
             qPrintable(f.answerer->texts().last()));
    QVERIFY(f.answerer->previews().isEmpty());
    QCOMPARE(rawScalar(f.storePath(), "select count(*) from tmz").toInt(), 0);
    QCOMPARE(counter(f), 0);
    QCOMPARE(f.text("edtno"), numberBefore);
    QCOMPARE(f.text("edtzyf"), QStringLiteral("12"));
}

void TestOutpatient::failuresAfterTheRowAreReported() {
    // The counter table is gone: the row is stored, both numbering messages follow, the
    // number field ends empty and the receipt still prints.
    ReceiptFixture f;
    rawExec(f.storePath(), "drop table tnum");
    f.answerer->answer(QMessageBox::Yes);
    f.click("btnPrint");
    QCOMPARE(f.answerer->texts(), QStringList({"确定要打印吗?", "更新编号失败", "自动编号失败"}));
    QCOMPARE(storedRows(f).size(), 1);
    QCOMPARE(f.text("edtno"), QString());
    QCOMPARE(f.answerer->previewText("edtno"), QStringLiteral("0000000001"));
}

void TestOutpatient::typedNumberMovesTheCounter() {
    ReceiptFixture f;
    f.type("edtno", "500");
    f.answerer->answer(QMessageBox::Yes);
    f.click("btnPrint");
    QCOMPARE(storedRows(f).first().first().toString(), QStringLiteral("500"));
    QCOMPARE(counter(f), 500);
    QCOMPARE(f.text("edtno"), QStringLiteral("0000000501"));

    // A lower number moves the counter back.
    f.type("edtno", "7");
    f.answerer->answer(QMessageBox::Yes);
    f.click("btnPrint");
    QCOMPARE(counter(f), 7);
    QCOMPARE(f.text("edtno"), QStringLiteral("0000000008"));
}

void TestOutpatient::keyFilterOnTheRealFields() {
    ReceiptFixture f;
    for (const QString& name : feeFields) {
        f.type(name, "-1a,2 .5x");
        QCOMPARE(f.text(name), QStringLiteral("12.5"));
    }
    QCOMPARE(f.caption("pnlhj"), QStringLiteral("87.50"));

    // Text committed by an input method: the name takes it, an amount does not.
    for (const char* name : {"edtname", "edtzyf"}) {
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("张三１２"));
        f.edit(name)->setFocus();
        QCoreApplication::sendEvent(f.edit(name), &commit);
    }
    QCOMPARE(f.text("edtname"), QStringLiteral("张三１２"));
    QCOMPARE(f.text("edtzyf"), QStringLiteral("12.5"));

    // A hostile text pasted past the filter reaches the field but never the store.
    QApplication::clipboard()->setText("0);delete from tmz;--");
    QLineEdit* field = f.edit("edtssf");
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field->text(), QStringLiteral("12.5"));
    QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(field->text(), QStringLiteral("0);delete from tmz;--"));
    QCOMPARE(f.caption("pnlhj"), QStringLiteral("75.00"));
    f.answerer->answer(QMessageBox::Yes);
    f.click("btnPrint");
    QCOMPARE(f.answerer->texts().last(), QStringLiteral("保存数据失败"));
    QCOMPARE(rawScalar(f.storePath(), "select count(*) from tmz").toInt(), 0);
}

QTEST_MAIN(TestOutpatient)
#include "test_outpatient.moc"
