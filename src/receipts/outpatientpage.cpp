#include "receipts/outpatientpage.h"

#include "amounts/qt_amounttext.h"
#include "app/controls.h"
#include "app/datepicker.h"
#include "app/dialogs.h"
#include "app/fonts.h"
#include "app/guard.h"
#include "printing/designedits.h"
#include "printing/reportcomponent.h"
#include "receipts/cells.h"
#include "receipts/receiptdesk.h"
#include "receipts/statementvalues.h"
#include "receipts/templatefill.h"
#include "store/numbering.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace receipts {

const QString OutpatientPage::templateFile = QStringLiteral("mz.fr3");
const QStringList OutpatientPage::templateObjects = printing::filledNamesFor(templateFile);

namespace {

// The grid: four columns (group, item, amount, stamp) of 40-pixel rows.
constexpr int gridLeft = 16, gridTop = 96, rowHeight = 40;
constexpr int itemX = gridLeft + 60, amountX = itemX + 200, stampX = amountX + 240,
              gridRight = stampX + 280;
constexpr int rowY(int row) {
    return gridTop + row * rowHeight;
}

struct Fee {
    const char* caption;
    const char* field;
};
constexpr Fee fees[] = {
    {"中   药   费", "edtzyf"},  {"西   药   费", "edtxyf"}, {"透视照像费", "edttszxf"},
    {"化验针炙费", "edthyzjf"},  {"处置注射费", "edtczzsf"}, {"手   术   费", "edtssf"},
    {"其         他", "edtqtf"},
};

} // namespace

OutpatientPage::OutpatientPage(ReceiptDesk& desk, QWidget* parent)
    : ReceiptPage(QStringLiteral("ts1"), QStringLiteral("pnl1"), parent), m_desk(desk) {
    QFrame* p = panel();

    // Title line: the title, and at the right "下一张" and, outermost, "打印".
    QLabel* title = app::placeLabel(p, QStringLiteral("门诊医药费收据"), 206, 6, 400, 44, 29);
    title->setFont(app::uiFont(29, true));
    title->setAlignment(Qt::AlignCenter);

    // Header line: name, date, receipt number.
    app::placeLabel(p, QStringLiteral("姓名："), gridLeft, 56, 60, 32);
    m_edtname = app::placeEdit(p, QStringLiteral("edtname"), 74, 56, 180, 32);
    app::placeLabel(p, QStringLiteral("日期："), 290, 56, 60, 32);
    m_dtp1 = new app::DatePicker(QStringLiteral("dtp1"), p);
    m_dtp1->setFont(app::uiFont(19));
    m_dtp1->setGeometry(348, 56, 200, 32);
    app::placeLabel(p, QStringLiteral("NO："), 600, 56, 48, 32);
    m_edtno = app::placeEdit(p, QStringLiteral("edtno"), 646, 56, 150, 32);

    // Grid row 1: the column captions.
    placeCell(p, QStringLiteral("项目"), gridLeft, rowY(0), amountX - gridLeft, rowHeight);
    placeCell(p, QStringLiteral("金额"), amountX, rowY(0), stampX - amountX, rowHeight);
    placeCell(p, QStringLiteral("收讫印及收款者印"), stampX, rowY(0), gridRight - stampX,
              rowHeight);

    // The two groups with their stacked characters, the seven fees, the stamp cell.
    placeCell(p, QStringLiteral("药\n费"), gridLeft, rowY(1), itemX - gridLeft, 2 * rowHeight);
    placeCell(p, QStringLiteral("诊\n察\n治\n疗\n费"), gridLeft, rowY(3), itemX - gridLeft,
              5 * rowHeight);
    for (int i = 0; i < int(std::size(fees)); ++i) {
        placeCell(p, QString::fromUtf8(fees[i].caption), itemX, rowY(1 + i), amountX - itemX,
                  rowHeight);
        m_fees << placeCellEdit(p, QString::fromLatin1(fees[i].field), QStringLiteral("0.00"),
                                amountX, rowY(1 + i), stampX - amountX, rowHeight, Qt::AlignRight,
                                24);
    }
    placeCell(p, QString(), stampX, rowY(1), gridRight - stampX, 8 * rowHeight);

    // The total in figures, then in capitals.
    placeCell(p, QStringLiteral("合               计"), gridLeft, rowY(8), amountX - gridLeft,
              rowHeight);
    m_pnlhj = placeDisplayCell(p, QStringLiteral("pnlhj"), QStringLiteral("0.00"), amountX, rowY(8),
                               stampX - amountX, rowHeight, Qt::AlignRight, 24);
    placeCell(p, QStringLiteral("合计金额(大写)"), gridLeft, rowY(9), amountX - gridLeft,
              rowHeight);
    m_pnlhjdx = placeDisplayCell(p, QStringLiteral("pnlhjdx"), QString(), amountX, rowY(9),
                                 gridRight - amountX, rowHeight, Qt::AlignLeft, 19);

    m_btnPrint =
        app::placeButton(p, QStringLiteral("btnPrint"), QStringLiteral("打印"), 712, 10, 86, 34);
    m_btn1 = app::placeButton(p, QStringLiteral("btn1"), QStringLiteral("下一张"), 620, 10, 86, 34);

    QList<QWidget*> order{m_edtname, m_dtp1, m_edtno};
    for (QLineEdit* fee : m_fees)
        order << fee;
    order << m_btnPrint << m_btn1;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    for (QLineEdit* fee : m_fees)
        connect(fee, &QLineEdit::textChanged, this, app::guard([this] { edtzyfChange(); }));
    connect(m_btnPrint, &QPushButton::clicked, this, app::guard([this] { btnPrintClick(); }));
    connect(m_btn1, &QPushButton::clicked, this, &OutpatientPage::btnzynextClick);
}

void OutpatientPage::edtzyfChange() {
    showTotal(m_fees, m_pnlhj, m_pnlhjdx);
}

void OutpatientPage::btnPrintClick() {
    if (app::askYesNo(QStringLiteral("确定要打印吗?")) == QMessageBox::No)
        return;
    const QString date = m_dtp1->date().toString(QStringLiteral("yyyy-MM-dd"));
    const QString number = m_edtno->text();

    // Everything that could fail after the row is stored is checked first, so a failure
    // never leaves a stored receipt without its counter or its print.
    for (QLineEdit* fee : m_fees) {
        if (!isPlainNumberLiteral(fee->text())) {
            app::showMessage(QStringLiteral("保存数据失败"));
            return;
        }
    }
    store::toInt32(number);
    QStringList feeTexts;
    for (QLineEdit* fee : m_fees) {
        amounts::strictAmount(fee->text());
        feeTexts << fee->text();
    }
    amounts::totalOf(feeTexts); // a total beyond the money range stops here
    printing::ReportComponent& report = m_desk.frxReport1();
    if (!prepareTemplate(report, templateFile, templateObjects))
        return;

    QString statement = QStringLiteral(
        "insert into tmz(num,name,operdate,zyf,xyf,tszxf,hyzjf,czzsf,ssf,qtf,hj) values(");
    statement += quoted(number) + ',' + quoted(m_edtname->text()) + ',' + quoted(date);
    for (QLineEdit* fee : m_fees)
        statement += ',' + fee->text();
    statement += ',' + m_pnlhj->text() + ')';
    if (m_desk.RunSql(statement, true) < 0) {
        app::showMessage(QStringLiteral("保存数据失败"));
        return;
    }

    m_desk.SaveNumber(number);
    m_edtno->setText(m_desk.GetNextNumber(store::Outpatient));

    std::vector<Fill> fills{
        {"edtno", number},
        {"edtname", m_edtname->text()},
        {"edtdate", m_dtp1->date().toString(app::DatePicker::displayPattern)},
    };
    const QStringList amountObjects{"edtzyf",   "edtxyf", "edttszxf", "edthyzjf",
                                    "edtczzsf", "edtssf", "edtqt"};
    for (int i = 0; i < m_fees.size(); ++i)
        fills.emplace_back(amountObjects[i], amounts::shownAmount(m_fees[i]->text()));
    fills.emplace_back("edthj", amounts::shownAmount(m_pnlhj->text()));
    fills.emplace_back("edthjdx", m_pnlhjdx->text());
    fillTemplate(report, fills);
    report.ShowReport();
}

} // namespace receipts
