#include "app/clock.h"
#include "app/controls.h"
#include "app/datepicker.h"
#include "app/mainwindow.h"
#include "modalanswerer.h"
#include "rawstore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using app::TfrmMain;
using store::StoreLocation;

namespace {

template <typename T = QWidget> T* child(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// Chooses a page as the cashier does and lets its show handler run.
void choosePage(QTabWidget* pages, int index) {
    pages->setCurrentIndex(index);
    QCoreApplication::processEvents();
}

QString lineText(QWidget& window, const char* name) {
    return child<QLineEdit>(window, name)->text();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowLayout();
    void startsInEmptyDirectoryOnNewStore();
    void formShowSetsDatesOnce();
    void pageShowFetchesNumberEveryTime();
    void clockFormat_data();
    void clockFormat();
    void clockPanelTicks();
    void enterMovesFocusLikeTab_data();
    void enterMovesFocusLikeTab();
    void enterPressesFocusedButton();
    void missingStoreStartsAndRecovers();
    void receiptPanelsStayCentred();

private:
    QTemporaryDir* m_dir = nullptr;
    QString m_path;
    ModalAnswerer* m_answerer = nullptr;
};

void TestMainWindow::init() {
    m_dir = new QTemporaryDir;
    m_path = m_dir->filePath("receipts.db");
    m_answerer = new ModalAnswerer;
}

void TestMainWindow::cleanup() {
    delete m_answerer;
    delete m_dir;
}

void TestMainWindow::windowLayout() {
    TfrmMain window(StoreLocation::sqliteFile(m_path));
    showActive(window);

    QCOMPARE(window.windowTitle(), QStringLiteral(" 门诊住院收费系统 V1.0"));
    QCOMPARE(window.size(), QSize(845, 614));
    QCOMPARE(window.font().pixelSize(), 11);

    auto* pages = child<QTabWidget>(window, "pgc1");
    QCOMPARE(pages->font().pixelSize(), 19);
    const QStringList names{"ts1", "ts2", "ts3", "ts4", "ts5"};
    const QStringList captions{"门诊医药费收据", "住院费用收据", "门诊医药费收据查询",
                               "住院费用收据查询", "系统设置"};
    QCOMPARE(pages->count(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(pages->widget(i)->objectName(), names[i]);
        QCOMPARE(pages->tabText(i), captions[i]);
        QCOMPARE(pages->tabBar()->tabRect(i).height(), 30);
    }
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("ts1"));

    auto* s1 = child<QStatusBar>(window, "s1");
    QCOMPARE(s1->height(), 26);
    QCOMPARE(s1->geometry().bottom(), window.rect().bottom());
    auto* fixed = child<QLabel>(window, "s1Panel1");
    QCOMPARE(fixed->text(), QStringLiteral(" 门诊住院收费系统 V1.0"));
    QCOMPARE(fixed->width(), 300);
    auto* clock = child<QLabel>(window, "s1Panel2");
    QVERIFY(clock->alignment() & Qt::AlignRight);
    QVERIFY(clock->geometry().right() > 700);

    for (const char* page : {"pnl1", "Panel1"})
        QCOMPARE(child(window, page)->size(), QSize(812, 502));
}

void TestMainWindow::startsInEmptyDirectoryOnNewStore() {
    const QString before = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    {
        TfrmMain window(StoreLocation::defaultStore());
        showActive(window);
        QVERIFY(QFile::exists(m_dir->filePath("receipts.db")));
        // A new workplace gets the shipped templates beside its store.
        QVERIFY(QFile::exists(m_dir->filePath("mz.fr3")));
        QVERIFY(QFile::exists(m_dir->filePath("zy.fr3")));
        QCOMPARE(lineText(window, "edtno"), QStringLiteral("0000000001"));
        QCOMPARE(QApplication::focusWidget(), child(window, "edtname"));
    }
    QDir::setCurrent(before);
    QCOMPARE(rawScalar(m_path, "select count(*) from tnum where num=0").toInt(), 2);
    QVERIFY(m_answerer->seen().isEmpty());
}

void TestMainWindow::formShowSetsDatesOnce() {
    TfrmMain window(StoreLocation::sqliteFile(m_path));
    const QDate old(2000, 1, 1);
    const char* pickers[] = {"dtp1", "dtpzyrq", "dtpcyrq", "dtpjsrq"};
    for (const char* name : pickers)
        child<QDateEdit>(window, name)->setDate(old);
    showActive(window);
    for (const char* name : pickers) {
        auto* picker = child<QDateEdit>(window, name);
        QCOMPARE(picker->date(), QDate::currentDate());
        QCOMPARE(picker->displayFormat(), QStringLiteral("yyyy年MM月dd日"));
        picker->setDate(old);
    }
    // Hiding and showing the window again is no first show.
    window.hide();
    showActive(window);
    for (const char* name : pickers)
        QCOMPARE(child<QDateEdit>(window, name)->date(), old);
}

void TestMainWindow::pageShowFetchesNumberEveryTime() {
    TfrmMain window(StoreLocation::sqliteFile(m_path));
    showActive(window);
    auto* pages = child<QTabWidget>(window, "pgc1");

    choosePage(pages, 1);
    QCOMPARE(lineText(window, "EDtzyno"), QStringLiteral("0000000001"));
    QCOMPARE(QApplication::focusWidget(), child(window, "EDtzyno"));

    child<QLineEdit>(window, "edtno")->setText("77");
    QVERIFY(rawExec(m_path, "update tnum set num=41 where itype=0"));
    choosePage(pages, 0);
    QCOMPARE(lineText(window, "edtno"), QStringLiteral("0000000042"));
    QCOMPARE(QApplication::focusWidget(), child(window, "edtname"));

    // Other pages fetch nothing.
    child<QLineEdit>(window, "edtno")->setText("77");
    choosePage(pages, 4);
    QCOMPARE(lineText(window, "edtno"), QStringLiteral("77"));
    QVERIFY(m_answerer->seen().isEmpty());
}

void TestMainWindow::clockFormat_data() {
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("text");
    QTest::newRow("last second of 2023")
        << QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59)) << "2023-12-31 23:59:59    ";
    QTest::newRow("one second later")
        << QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59)).addSecs(1)
        << "2024-01-01 00:00:00    ";
    QTest::newRow("morning, two-digit fields")
        << QDateTime(QDate(2024, 3, 2), QTime(9, 5, 3)) << "2024-03-02 09:05:03    ";
    QTest::newRow("afternoon on the 24-hour clock")
        << QDateTime(QDate(2024, 7, 6), QTime(13, 0, 0)) << "2024-07-06 13:00:00    ";
    QTest::newRow("noon") << QDateTime(QDate(2024, 7, 6), QTime(12, 30, 0))
                          << "2024-07-06 12:30:00    ";
}

void TestMainWindow::clockFormat() {
    QFETCH(QDateTime, moment);
    QFETCH(QString, text);
    QCOMPARE(app::clockText(moment), text);
    QCOMPARE(app::clockText(moment).size(), 23);
}

void TestMainWindow::clockPanelTicks() {
    TfrmMain window(StoreLocation::sqliteFile(m_path));
    auto* clock = child<QLabel>(window, "s1Panel2");
    const QString first = clock->text();
    QCOMPARE(first.size(), 23);
    QVERIFY(first.endsWith("    "));
    QTRY_VERIFY_WITH_TIMEOUT(clock->text() != first, 2500);
    const QDateTime shown = QDateTime::fromString(clock->text().trimmed(), "yyyy-MM-dd HH:mm:ss");
    QVERIFY(shown.isValid());
    QVERIFY(qAbs(shown.secsTo(QDateTime::currentDateTime())) <= 2);
}

void TestMainWindow::enterMovesFocusLikeTab_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("order");
    // After the last control of a page the focus reaches the page control's tabs.
    QTest::newRow("outpatient") << 0 << QStringList{"edtname", "dtp1",     "edtno",    "edtzyf",
                                                    "edtxyf",  "edttszxf", "edthyzjf", "edtczzsf",
                                                    "edtssf",  "edtqtf",   "btnPrint", "btn1",
                                                    "tabs"};
    QTest::newRow("inpatient") << 1 << QStringList{"EDtzyno",   "EDtzyh", "EDtzyname",  "EDtzydw",
                                                   "EDtzyts",   "cwf",    "xyf",        "zcy",
                                                   "zcaoy",     "jcf",    "zlf",        "fsf",
                                                   "ssf",       "hyf",    "sxf",        "syf",
                                                   "zhenlf",    "hlf",    "qtzl",       "ysk",
                                                   "yjk",       "ytk",    "zffs",       "dtpjsrq",
                                                   "dtpzyrq",   "jsy",    "btnPrintzy", "dtpcyrq",
                                                   "btnzynext", "tabs"};
}

void TestMainWindow::enterMovesFocusLikeTab() {
    QFETCH(int, page);
    QFETCH(QStringList, order);
    TfrmMain window(StoreLocation::sqliteFile(m_path));
    showActive(window);
    auto* pages = child<QTabWidget>(window, "pgc1");
    choosePage(pages, page);

    auto widgetFor = [&](const QString& name) -> QWidget* {
        return name == "tabs" ? static_cast<QWidget*>(pages->tabBar())
                              : window.findChild<QWidget*>(name);
    };
    const QDate today = QDate::currentDate();
    for (qsizetype i = 0; i + 1 < order.size(); ++i) {
        QWidget* from = widgetFor(order[i]);
        from->setFocus();
        QCOMPARE(QApplication::focusWidget(), from);
        // Enter moves on from a field; on a button it would press it, so Tab moves on there.
        QTest::keyClick(from, qobject_cast<QPushButton*>(from) ? Qt::Key_Tab : Qt::Key_Return);
        QVERIFY2(QApplication::focusWidget() == widgetFor(order[i + 1]),
                 qPrintable(order[i] + " should pass the focus to " + order[i + 1]));
        if (auto* picker = qobject_cast<QDateEdit*>(from))
            QCOMPARE(picker->date(), today);
    }
    // Tab takes the same path through a date picker.
    QWidget* picker = widgetFor(order[1]);
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), widgetFor(order[2]));
    QCOMPARE(pages->currentIndex(), page);
}

void TestMainWindow::enterPressesFocusedButton() {
    QWidget window;
    QPushButton* button = app::placeButton(&window, "btnTry", "查询", 10, 10, 99, 41);
    auto* after = new QLineEdit(&window);
    after->setGeometry(10, 60, 100, 30);
    showActive(window);
    QSignalSpy clicked(button, &QPushButton::clicked);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QCOMPARE(clicked.count(), 1);
    QTest::keyClick(button, Qt::Key_Enter);
    QCOMPARE(clicked.count(), 2);
}

void TestMainWindow::missingStoreStartsAndRecovers() {
    const QString folder = m_dir->filePath("later");
    const QString path = folder + "/receipts.db";
    TfrmMain window(StoreLocation::sqliteFile(path));
    QCOMPARE(m_answerer->seen().size(), 1);
    const auto error = m_answerer->seen().first();
    QCOMPARE(error.icon, QMessageBox::Critical);
    QVERIFY(error.text.contains("unable to open", Qt::CaseInsensitive));
    QVERIFY(error.text.endsWith('.'));

    window.show();
    QTRY_COMPARE(m_answerer->texts().mid(1), QStringList{"自动编号失败"});
    QCOMPARE(lineText(window, "edtno"), QString());
    QCOMPARE(window.focusWidget(), child(window, "edtname"));
    showActive(window);

    QVERIFY(QDir().mkpath(folder));
    choosePage(child<QTabWidget>(window, "pgc1"), 1);
    QCOMPARE(lineText(window, "EDtzyno"), QStringLiteral("0000000001"));
    QVERIFY(QFile::exists(path));
    QCOMPARE(m_answerer->seen().size(), 2);
}

void TestMainWindow::receiptPanelsStayCentred() {
    TfrmMain window(StoreLocation::sqliteFile(m_path));
    showActive(window);
    auto* pages = child<QTabWidget>(window, "pgc1");
    for (int index : {0, 1}) {
        choosePage(pages, index);
        QWidget* page = pages->currentWidget();
        QWidget* panel = page->findChild<QFrame*>(index == 0 ? "pnl1" : "Panel1");
        // At the designed size the panel sits near its designed place, wholly inside the page.
        QVERIFY(page->rect().contains(panel->geometry()));
        QVERIFY(qAbs(panel->x() - 12) <= 4 && qAbs(panel->y() - 23) <= 6);

        const QSize designed = page->size();
        window.resize(1245, 914);
        QTRY_COMPARE(page->width(), designed.width() + 400);
        QCOMPARE(panel->size(), QSize(812, 502));
        const double cx = (12 + 406) / 837.0 * page->width();
        const double cy = (23 + 251) / 548.0 * page->height();
        QVERIFY(qAbs(panel->geometry().center().x() + 0.5 - cx) <= 1.0);
        QVERIFY(qAbs(panel->geometry().center().y() + 0.5 - cy) <= 1.0);
        window.resize(845, 614);
        QTRY_COMPARE(page->size(), designed);
    }
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
