#include "rawstore.h"
#include "receiptfixture.h"
#include "records/searchpage.h"
#include "records/searchstatement.h"
#include "store/storequery.h"

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

using records::buildSearchStatement;

namespace {

void addOutpatient(const QString& path, const QString& num, const QString& name) {
    QString n = name;
    n.replace("'", "''");
    rawExec(path, QStringLiteral("insert into tmz(num,name,operdate,zyf,xyf,tszxf,hyzjf,czzsf,ssf,"
                                 "qtf,hj) values('%1','%2','2016-07-06',8.5,0,0,0,0,0,0,8.50)")
                      .arg(num, n));
}

void addInpatient(const QString& path, const QString& num, const QString& name,
                  const QString& zyh) {
    rawExec(path, QStringLiteral("insert into tzy(num,zyh,name,dw,zyrq,cyrq,zyts,cwf,hj,ysk,yjk,"
                                 "ytk,zffs,jsrq,jsy) values('%1','%2','%3','厂','2016-07-01',"
                                 "'2016-07-06',5,10,10,20,10,10,'现金','2016-07-06','王')")
                      .arg(num, zyh, name));
}

QStringList column(QTableView* grid, int c) {
    QStringList values;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        values << grid->model()->index(r, c).data().toString();
    return values;
}

} // namespace

class TestSearch : public QObject {
    Q_OBJECT
private slots:
    void statements_data();
    void statements();
    void outpatientFilters_data();
    void outpatientFilters();
    void inpatientFiltersTogether();
    void gridShowsTheColumnsAsStored();
    void gridKeepsItsRows();
    void failedSearchEmptiesGrid();
    void enterNeverSearches();
    void clearAllData();
    void clearAnsweredNo();
    void largeResultIsExactWhileFetching();
};

void TestSearch::statements_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("tail");
    QTest::newRow("no filter") << ""
                               << ""
                               << "where 1=1  order by id desc";
    QTest::newRow("name") << "张"
                          << ""
                          << "where 1=1  and name like '%张%'  order by id desc";
    QTest::newRow("both, two blanks between") << "a"
                                              << "12"
                                              << "where 1=1  and name like '%a%'  and num like "
                                                 "'%12%'  order by id desc";
    QTest::newRow("apostrophe doubled") << "O'Neil"
                                        << ""
                                        << "where 1=1  and name like '%O''Neil%'  order by id desc";
    QTest::newRow("blank kept") << " "
                                << ""
                                << "where 1=1  and name like '% %'  order by id desc";
    QTest::newRow("wildcards left to LIKE") << "_%"
                                            << ""
                                            << "where 1=1  and name like '%_%%'  order by id desc";
}

void TestSearch::statements() {
    QFETCH(QString, name);
    QFETCH(QString, number);
    QFETCH(QString, tail);
    const QString statement = buildSearchStatement(
        records::outpatientSearchBase, {{" and name like ", name}, {" and num like ", number}});
    QVERIFY(
        statement.startsWith("select num as NO,name as 姓名,strftime('%Y-%m-%d',operdate) 日期,"));
    QVERIFY2(statement.endsWith("from tmz " + tail), qPrintable(statement));
}

void TestSearch::outpatientFilters_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QStringList>("found"); // numbers, newest first
    QTest::newRow("everything, newest first")
        << ""
        << "" << QStringList{"0000000099", "0000001203", "0000000012", "0000000005"};
    QTest::newRow("number substring") << ""
                                      << "12" << QStringList{"0000001203", "0000000012"};
    QTest::newRow("apostrophe") << "'"
                                << "" << QStringList{"0000000012"};
    QTest::newRow("lone blank") << " "
                                << "" << QStringList{"0000000099", "0000000012"};
    QTest::newRow("underscore is one character") << "张_丰"
                                                 << "" << QStringList{"0000001203"};
    QTest::newRow("percent is anything") << "O%l"
                                         << "" << QStringList{"0000000012"};
    QTest::newRow("latin case ignored") << "o'n"
                                        << "" << QStringList{"0000000012"};
    QTest::newRow("both filters") << "张"
                                  << "05" << QStringList{"0000000005"};
    QTest::newRow("nothing") << "nobody"
                             << "" << QStringList{};
}

void TestSearch::outpatientFilters() {
    QFETCH(QString, name);
    QFETCH(QString, number);
    QFETCH(QStringList, found);
    ReceiptFixture f;
    addOutpatient(f.storePath(), "0000000005", "张三");
    addOutpatient(f.storePath(), "0000000012", "O'Neil Li");
    addOutpatient(f.storePath(), "0000001203", "张三丰");
    addOutpatient(f.storePath(), "0000000099", "A B");
    f.choosePage(2);
    f.edit("EDmzname")->setText(name);
    f.edit("EDmzno")->setText(number);
    f.click("btnmzquery");
    auto* grid = f.window->findChild<QTableView*>("dbgrdmz");
    QCOMPARE(column(grid, 0), found);
    if (!found.isEmpty())
        QCOMPARE(grid->currentIndex().row(), 0);
    QVERIFY(f.answerer->seen().isEmpty());
}

void TestSearch::inpatientFiltersTogether() {
    ReceiptFixture f;
    addInpatient(f.storePath(), "0000000001", "张三", "Z100");
    addInpatient(f.storePath(), "0000000002", "张三", "Z200");
    addInpatient(f.storePath(), "0000000003", "李四", "Z100");
    f.choosePage(3);
    f.edit("EDzyname")->setText("张");
    f.edit("EDzyh")->setText("100");
    f.click("btnzyquery");
    auto* grid = f.window->findChild<QTableView*>("dbgrd1");
    QCOMPARE(column(grid, 0), QStringList{"0000000001"});
    f.edit("EDzyname")->clear();
    f.edit("EDzyno")->setText("0");
    f.click("btnzyquery");
    QCOMPARE(column(grid, 0), QStringList({"0000000003", "0000000001"}));
}

void TestSearch::gridShowsTheColumnsAsStored() {
    ReceiptFixture f;
    addInpatient(f.storePath(), "0000000001", "张三", "Z1");
    f.choosePage(3);
    auto* grid = f.window->findChild<QTableView*>("dbgrd1");
    // Before any search: titles only.
    QCOMPARE(grid->model()->rowCount(), 0);
    QCOMPARE(grid->model()->columnCount(), 28);
    f.click("btnzyquery");
    const QStringList titles{"NO", "住院号", "姓名", "单位", "住院日期", "出院日期", "住院天数"};
    for (int c = 0; c < titles.size(); ++c)
        QCOMPARE(grid->model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
    QCOMPARE(grid->model()->headerData(27, Qt::Horizontal).toString(), QStringLiteral("结算员"));
    QCOMPARE(grid->columnWidth(0), 102);
    QCOMPARE(grid->columnWidth(3), 139);
    const QStringList row{"0000000001", "Z1", "张三", "厂", "2016-07-01", "2016-07-06", "5", "10"};
    for (int c = 0; c < row.size(); ++c)
        QCOMPARE(grid->model()->index(0, c).data().toString(), row[c]);
    QCOMPARE(grid->model()->index(0, 26).data().toString(), QStringLiteral("2016-07-06"));
    QVERIFY(grid->model()->index(0, 7).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
    QVERIFY(grid->model()->index(0, 2).data(Qt::TextAlignmentRole).toInt() & Qt::AlignLeft);
    QCOMPARE(grid->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("▶"));
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(!grid->isSortingEnabled());
    QVERIFY(grid->tabKeyNavigation());
    QCOMPARE(grid->font().pixelSize(), 16);
}

void TestSearch::gridKeepsItsRows() {
    ReceiptFixture f;
    addOutpatient(f.storePath(), "0000000001", "A");
    f.choosePage(2);
    f.click("btnmzquery");
    auto* grid = f.window->findChild<QTableView*>("dbgrdmz");
    QCOMPARE(grid->model()->rowCount(), 1);

    // A receipt printed later, page changes and a clear leave the grid as it was.
    f.choosePage(0);
    f.answerer->answer(QMessageBox::Yes);
    f.click("btnPrint");
    f.choosePage(4);
    f.answerer->answer(QMessageBox::Yes);
    f.click("btndel");
    f.choosePage(2);
    QCOMPARE(column(grid, 0), QStringList{"0000000001"});
    // The reset empties the filters, not the grid.
    f.edit("EDmzname")->setText("A");
    f.window->ResetForNextReceipt();
    QCOMPARE(f.text("EDmzname"), QString());
    QCOMPARE(grid->model()->rowCount(), 1);
    f.click("btnmzquery");
    QCOMPARE(grid->model()->rowCount(), 0);
}

void TestSearch::failedSearchEmptiesGrid() {
    ReceiptFixture f;
    addOutpatient(f.storePath(), "0000000001", "A");
    f.choosePage(2);
    f.click("btnmzquery");
    auto* grid = f.window->findChild<QTableView*>("dbgrdmz");
    QCOMPARE(grid->model()->rowCount(), 1);
    rawExec(f.storePath(), "drop table tmz");
    f.click("btnmzquery");
    QCOMPARE(grid->model()->rowCount(), 0);
    QCOMPARE(grid->model()->columnCount(), 11);
    QVERIFY(f.answerer->seen().isEmpty());
}

void TestSearch::enterNeverSearches() {
    ReceiptFixture f;
    addOutpatient(f.storePath(), "0000000001", "A");
    f.choosePage(2);
    auto* grid = f.window->findChild<QTableView*>("dbgrdmz");
    QLineEdit* name = f.edit("EDmzname");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnmzquery"));
    QCOMPARE(grid->model()->rowCount(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(grid->model()->rowCount(), 1);

    f.choosePage(3);
    f.edit("EDzyname")->setFocus();
    QTest::keyClick(f.edit("EDzyname"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnzyquery"));
    f.edit("EDzyh")->setFocus();
    QTest::keyClick(f.edit("EDzyh"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(),
             static_cast<QWidget*>(f.window->findChild<QTabWidget*>("pgc1")->tabBar()));
}

void TestSearch::clearAllData() {
    ReceiptFixture f;
    addOutpatient(f.storePath(), "0000000007", "A");
    addInpatient(f.storePath(), "0000000003", "B", "Z");
    rawExec(f.storePath(), "update tnum set num=7");
    f.choosePage(4);
    for (int round = 0; round < 2; ++round) { // the second on an empty store
        f.answerer->answer(QMessageBox::Yes);
        f.click("btndel");
        QCOMPARE(f.answerer->texts().last(),
                 QStringLiteral("数据清空后将无法找回,确定要清空所有数据吗?"));
        QCOMPARE(f.answerer->seen().last().defaultButton, QMessageBox::Yes);
        QCOMPARE(rawScalar(f.storePath(), "select count(*) from tmz").toInt(), 0);
        QCOMPARE(rawScalar(f.storePath(), "select count(*) from tzy").toInt(), 0);
    }
    QCOMPARE(f.answerer->seen().size(), 2);
    f.choosePage(0);
    QCOMPARE(f.text("edtno"), QStringLiteral("0000000002"));
    f.choosePage(1);
    QCOMPARE(f.text("EDtzyno"), QStringLiteral("0000000002"));

    // Each statement runs whatever the one before gave.
    rawExec(f.storePath(), "drop table tmz");
    rawExec(f.storePath(), "update tnum set num=9");
    f.choosePage(4);
    f.answerer->answer(QMessageBox::Yes);
    f.click("btndel");
    QCOMPARE(rawScalar(f.storePath(), "select min(num) from tnum").toInt(), 1);
    QCOMPARE(f.answerer->seen().size(), 3);
}

void TestSearch::clearAnsweredNo() {
    ReceiptFixture f;
    addOutpatient(f.storePath(), "0000000007", "A");
    rawExec(f.storePath(), "update tnum set num=7");
    f.choosePage(4);
    f.answerer->answer(QMessageBox::No);
    f.click("btndel");
    QCOMPARE(rawScalar(f.storePath(), "select count(*) from tmz").toInt(), 1);
    QCOMPARE(rawScalar(f.storePath(), "select sum(num) from tnum").toInt(), 14);
}

void TestSearch::largeResultIsExactWhileFetching() {
    ReceiptFixture f;
    rawExec(f.storePath(),
            "with recursive n(i) as (select 1 union all select i+1 from n where "
            "i<20000) insert into tmz(num,name,operdate,hj) select printf('%010d',i),"
            "'N'||i,'2016-07-06',i from n");
    f.choosePage(2);
    f.click("btnmzquery");
    auto* query = f.window->findChild<store::StoreQuery*>("adomz");
    auto* grid = f.window->findChild<QTableView*>("dbgrdmz");
    // The count is exact at once, while most rows are still to come.
    QCOMPARE(query->rowCount(), 20000);
    QCOMPARE(grid->model()->rowCount(), 20000);
    QVERIFY(query->isFetching());
    // A row ahead of the fetch shows blank at once and fills in when it arrives.
    const QModelIndex last = grid->model()->index(19999, 0);
    QCOMPARE(last.data(), QVariant());
    QSignalSpy filled(grid->model(), &QAbstractItemModel::dataChanged);
    QTRY_VERIFY(!query->isFetching());
    QVERIFY(!filled.isEmpty());
    QCOMPARE(last.data().toString(), QStringLiteral("0000000001"));
    QCOMPARE(query->fetchedRows(), 20000);

    // A fetch still running when a receipt is stored is completed first.
    f.click("btnmzquery");
    QVERIFY(query->isFetching());

    // A receipt stored meanwhile, and a clear, change nothing the grid shows.
    f.choosePage(0);
    f.answerer->answer(QMessageBox::Yes);
    f.click("btnPrint");
    QVERIFY(!query->isFetching());
    rawExec(f.storePath(), "delete from tmz");
    f.choosePage(2);
    QCOMPARE(grid->model()->rowCount(), 20000);
    QCOMPARE(query->fetchedRows(), 20000);
    QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("0000020000"));
    QCOMPARE(grid->model()->index(10000, 1).data().toString(), QStringLiteral("N10000"));
}

QTEST_MAIN(TestSearch)
#include "test_search.moc"
