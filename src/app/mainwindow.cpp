#include "app/mainwindow.h"

#include "amounts/qt_amountkeyfilter.h"
#include "app/clock.h"
#include "app/datepicker.h"
#include "app/dialogs.h"
#include "app/focusmove.h"
#include "app/fonts.h"
#include "app/guard.h"
#include "app/page.h"
#include "printing/designedits.h"
#include "printing/shippedtemplates.h"
#include "receipts/inpatientpage.h"
#include "receipts/outpatientpage.h"
#include "records/searchpage.h"
#include "records/settingspage.h"
#include "store/numbering.h"
#include "store/receiptconnection.h"
#include "store/storequery.h"

#include <QAbstractSpinBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace app {

const QString TfrmMain::caption = QStringLiteral(" 门诊住院收费系统 V1.0");

namespace {

// The plain entry fields where Enter moves on like Tab (edtnameKeyPress).
const QStringList enterKeyFields{
    QStringLiteral("edtname"),  QStringLiteral("dtp1"),     QStringLiteral("edtno"),
    QStringLiteral("EDtzyno"),  QStringLiteral("EDtzyh"),   QStringLiteral("EDtzyname"),
    QStringLiteral("EDtzydw"),  QStringLiteral("EDtzyts"),  QStringLiteral("dtpzyrq"),
    QStringLiteral("dtpcyrq"),  QStringLiteral("zffs"),     QStringLiteral("dtpjsrq"),
    QStringLiteral("jsy"),      QStringLiteral("EDmzname"), QStringLiteral("EDmzno"),
    QStringLiteral("EDzyname"), QStringLiteral("EDzyno"),   QStringLiteral("EDzyh"),
};

// The 24 amount fields of the two receipt pages (edtzyfKeyPress).
const QStringList amountFields{
    QStringLiteral("edtzyf"),   QStringLiteral("edtxyf"),   QStringLiteral("edttszxf"),
    QStringLiteral("edthyzjf"), QStringLiteral("edtczzsf"), QStringLiteral("edtssf"),
    QStringLiteral("edtqtf"),   QStringLiteral("cwf"),      QStringLiteral("xyf"),
    QStringLiteral("zcy"),      QStringLiteral("zcaoy"),    QStringLiteral("jcf"),
    QStringLiteral("zlf"),      QStringLiteral("fsf"),      QStringLiteral("ssf"),
    QStringLiteral("hyf"),      QStringLiteral("sxf"),      QStringLiteral("syf"),
    QStringLiteral("zhenlf"),   QStringLiteral("hlf"),      QStringLiteral("qtzl"),
    QStringLiteral("ysk"),      QStringLiteral("yjk"),      QStringLiteral("ytk"),
};

// The fields the reset empties; every other single-line field but the two receipt numbers
// is an amount and goes back to "0.00".
const QStringList emptiedByReset{
    QStringLiteral("edtname"),  QStringLiteral("EDtzyh"),   QStringLiteral("EDtzyname"),
    QStringLiteral("EDtzydw"),  QStringLiteral("EDtzyts"),  QStringLiteral("zffs"),
    QStringLiteral("jsy"),      QStringLiteral("EDmzname"), QStringLiteral("EDmzno"),
    QStringLiteral("EDzyname"), QStringLiteral("EDzyno"),   QStringLiteral("EDzyh"),
};

} // namespace

TfrmMain::TfrmMain(const store::StoreLocation& storeLocation, QWidget* parent)
    : QMainWindow(parent), m_con1(std::make_unique<store::ReceiptConnection>(storeLocation)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(caption);
    setFont(uiFont(11));
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_qry_Tmp = new store::StoreQuery(QStringLiteral("qry_Tmp"), m_con1.get(), this);
    m_adomz = new store::StoreQuery(QStringLiteral("adomz"), m_con1.get(), this);
    m_adozy = new store::StoreQuery(QStringLiteral("adozy"), m_con1.get(), this);
    // The search grids may list every receipt of years; they fetch in steps.
    m_adomz->setFetchMode(store::StoreQuery::Fetch::InSteps);
    m_adozy->setFetchMode(store::StoreQuery::Fetch::InSteps);

    buildPages();
    buildStatusBar();
    wireEnterKey();
    wireAmountFields();

    m_tmr1 = new QTimer(this);
    m_tmr1->setObjectName(QStringLiteral("tmr1"));
    m_tmr1->setInterval(1000);
    connect(m_tmr1, &QTimer::timeout, this, guard([this] { tmr1Timer(); }));
    m_tmr1->start();
    tmr1Timer();

    resize(845, 614);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    openStore();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::buildPages() {
    m_pgc1 = new QTabWidget(this);
    m_pgc1->setObjectName(QStringLiteral("pgc1"));
    m_pgc1->setFont(uiFont(19));
    m_pgc1->setStyleSheet(QStringLiteral("QTabBar::tab { height: 30px; }"));
    m_pgc1->setUsesScrollButtons(true);
    m_pgc1->setElideMode(Qt::ElideNone);

    m_ts1 = new receipts::OutpatientPage(*this);
    m_ts2 = new receipts::InpatientPage(*this);
    // A search ignores its result: a failure leaves the grid empty and says nothing.
    m_ts3 = new records::SearchPage(records::SearchPageLayout::outpatient(), m_adomz,
                                    [this](const QString& sql) { RunSql(sql, false, m_adomz); });
    m_ts4 = new records::SearchPage(records::SearchPageLayout::inpatient(), m_adozy,
                                    [this](const QString& sql) { RunSql(sql, false, m_adozy); });
    m_ts5 = new records::SettingsPage([this](const QString& sql) { RunSql(sql, true); });
    connect(m_ts5->btnReport(), &QPushButton::clicked, this,
            guard([this] { designTemplate(QStringLiteral("mz.fr3")); }));
    connect(m_ts5->btnReportZY(), &QPushButton::clicked, this,
            guard([this] { designTemplate(QStringLiteral("zy.fr3")); }));
    m_pgc1->addTab(m_ts1, QStringLiteral("门诊医药费收据"));
    m_pgc1->addTab(m_ts2, QStringLiteral("住院费用收据"));
    m_pgc1->addTab(m_ts3, QStringLiteral("门诊医药费收据查询"));
    m_pgc1->addTab(m_ts4, QStringLiteral("住院费用收据查询"));
    m_pgc1->addTab(m_ts5, QStringLiteral("系统设置"));
    m_pgc1->setCurrentWidget(m_ts1);
    setCentralWidget(m_pgc1);

    connect(m_ts1, &Page::shown, this, guard([this] { ts1Show(); }));
    connect(m_ts2, &Page::shown, this, guard([this] { ts2Show(); }));
    connect(m_ts1, &receipts::OutpatientPage::btnzynextClick, this,
            guard([this] { ResetForNextReceipt(); }));
    connect(m_ts2, &receipts::InpatientPage::btnzynextClick, this,
            guard([this] { ResetForNextReceipt(); }));
}

void TfrmMain::buildStatusBar() {
    QStatusBar* s1 = statusBar();
    s1->setObjectName(QStringLiteral("s1"));
    s1->setFixedHeight(26);
    s1->setFont(uiFont(11));

    auto* fixedPanel = new QLabel(caption, s1);
    fixedPanel->setObjectName(QStringLiteral("s1Panel1"));
    fixedPanel->setFixedWidth(300);
    fixedPanel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    s1->addWidget(fixedPanel);

    m_clockPanel = new QLabel(s1);
    m_clockPanel->setObjectName(QStringLiteral("s1Panel2"));
    m_clockPanel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    s1->addWidget(m_clockPanel, 1);
}

void TfrmMain::wireEnterKey() {
    m_edtnameKeyPress = new EnterMovesFocus(this);
    for (const QString& name : enterKeyFields) {
        if (auto* field = findChild<QWidget*>(name))
            m_edtnameKeyPress->watch(field);
    }
}

void TfrmMain::wireAmountFields() {
    m_edtzyfKeyPress = new amounts::AmountKeyFilter(this);
    for (const QString& name : amountFields) {
        if (auto* field = findChild<QLineEdit*>(name))
            m_edtzyfKeyPress->watch(field);
    }
}

void TfrmMain::ResetForNextReceipt() {
    // Page by page in the order the window makes its fields; each change of an amount runs
    // its recomputation at once, as typing would.
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        const QString name = field->objectName();
        if (name.isEmpty() || qobject_cast<QAbstractSpinBox*>(field->parentWidget()))
            continue; // the text part of a date picker or a spin box
        if (name == QLatin1String("edtno") || name == QLatin1String("EDtzyno"))
            continue;
        const QString target = emptiedByReset.contains(name) ? QString() : QStringLiteral("0.00");
        if (field->text() != target)
            field->setText(target);
    }
    m_ts1->pnlhj()->setText(QStringLiteral("0.00"));
    m_ts1->pnlhjdx()->clear();
    m_ts2->pnlzyhj()->setText(QStringLiteral("0.00"));
    m_ts2->pnlzyhjdx()->clear();
    const QString outpatient = GetNextNumber(store::Outpatient);
    if (m_ts1->edtno()->text() != outpatient)
        m_ts1->edtno()->setText(outpatient);
    const QString inpatient = GetNextNumber(store::Inpatient);
    if (m_ts2->EDtzyno()->text() != inpatient)
        m_ts2->EDtzyno()->setText(inpatient);
}

void TfrmMain::designTemplate(const QString& fileName) {
    // A template that cannot be read is reported and left alone rather than opened blank,
    // where a save would overwrite it.
    m_frxReport1.LoadFromFile(fileName);
    m_frxReport1.DesignReport(printing::filledNamesFor(fileName));
}

void TfrmMain::openStore() {
    // A store that cannot be reached is reported; the window still opens and every later
    // statement tries to open the connection again.
    if (!m_con1->open())
        showStandardErrorBox(m_con1->lastError());
    installTemplatesForNewStore();
}

void TfrmMain::installTemplatesForNewStore() {
    // A new workplace prints at once: the shipped templates go where they are looked up.
    if (m_con1->takeCreatedStore())
        printing::installShippedTemplates(QDir::current());
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_formShown && !event->spontaneous()) {
        m_formShown = true;
        guarded([this] { FormShow(); });
    }
}

void TfrmMain::FormShow() {
    const QDate today = QDate::currentDate();
    m_ts1->dtp1()->setDate(today);
    m_ts2->dtpzyrq()->setDate(today);
    m_ts2->dtpcyrq()->setDate(today);
    m_ts2->dtpjsrq()->setDate(today);
}

void TfrmMain::tmr1Timer() {
    m_clockPanel->setText(clockText(QDateTime::currentDateTime()));
}

void TfrmMain::ts1Show() {
    m_ts1->edtno()->setText(GetNextNumber(store::Outpatient));
    m_ts1->edtname()->setFocus();
}

void TfrmMain::ts2Show() {
    m_ts2->EDtzyno()->setText(GetNextNumber(store::Inpatient));
    m_ts2->EDtzyno()->setFocus();
}

store::StatementResult TfrmMain::RunSql(const QString& statement, bool execute,
                                        store::StoreQuery* query) {
    const store::StatementResult result =
        store::runSql(query ? *query : *m_qry_Tmp, *m_con1, statement, execute);
    installTemplatesForNewStore();
    return result;
}

QString TfrmMain::GetNextNumber(int kind) {
    if (RunSql(store::nextNumberStatement(kind), false) < 0) {
        showMessage(QStringLiteral("自动编号失败"));
        return {};
    }
    return store::padReceiptNumber(m_qry_Tmp->fieldText(QStringLiteral("num")));
}

void TfrmMain::SaveNumber(const QString& numberText) {
    const int kind = m_pgc1->currentWidget() == m_ts1 ? store::Outpatient : store::Inpatient;
    const qint32 number = store::toInt32(numberText);
    if (RunSql(store::saveNumberStatement(number, kind), true) < 0)
        showMessage(QStringLiteral("更新编号失败"));
}

} // namespace app
