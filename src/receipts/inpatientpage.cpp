#include "receipts/inpatientpage.h"

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

const QString InpatientPage::templateFile = QStringLiteral("zy.fr3");
const QStringList InpatientPage::templateObjects = printing::filledNamesFor(templateFile);

namespace {

constexpr int gridTop = 90, rowHeight = 40, gridRight = 801;
constexpr int rowY(int row) {
    return gridTop + row * rowHeight;
}
// The four column pairs: item caption and amount.
constexpr int pairX[] = {11, 210, 409, 608};
constexpr int captionWidth[] = {84, 84, 84, 78};
constexpr int amountWidth = 115;

// The fee grid by rows, left to right; a null field marks a blank pair.
struct Fee {
    const char* caption;
    const char* field;
};
constexpr Fee feeGrid[4][4] = {
    {{"床位费", "cwf"}, {"检查费", "jcf"}, {"化验费", "hyf"}, {"护理费", "hlf"}},
    {{"西药费", "xyf"}, {"治疗费", "zlf"}, {"输血费", "sxf"}, {"其他治疗", "qtzl"}},
    {{"中成药", "zcy"}, {"放射费", "fsf"}, {"输氧费", "syf"}, {"", nullptr}},
    {{"中草药", "zcaoy"}, {"手术费", "ssf"}, {"诊疗费", "zhenlf"}, {"", nullptr}},
};
// The order the total reads them, which is also their tab order.
constexpr const char* feeOrder[] = {"cwf", "xyf", "zcy", "zcaoy", "jcf",    "zlf", "fsf",
                                    "ssf", "hyf", "sxf", "syf",   "zhenlf", "hlf", "qtzl"};

app::DatePicker* placePicker(QWidget* parent, const QString& name, int x, int y, int w, int h) {
    auto* picker = new app::DatePicker(name, parent);
    picker->setFont(app::uiFont(19));
    picker->setGeometry(x, y, w, h);
    return picker;
}

app::DatePicker* placePickerInCell(QWidget* parent, const QString& name, int x, int y, int w,
                                   int h) {
    placeCell(parent, QString(), x, y, w, h);
    return placePicker(parent, name, x + 4, y + 4, w - 7, h - 7);
}

} // namespace

InpatientPage::InpatientPage(ReceiptDesk& desk, QWidget* parent)
    : ReceiptPage(QStringLiteral("ts2"), QStringLiteral("Panel1"), parent), m_desk(desk) {
    QFrame* p = panel();

    // Title line: the number at the left, the title, the two buttons at the right.
    app::placeLabel(p, QStringLiteral("NO："), 11, 10, 44, 32);
    m_EDtzyno = app::placeEdit(p, QStringLiteral("EDtzyno"), 55, 10, 150, 32);
    QLabel* title = app::placeLabel(p, QStringLiteral("住院费用收据"), 230, 6, 352, 44, 29);
    title->setFont(app::uiFont(29, true));
    title->setAlignment(Qt::AlignCenter);

    // Header line.
    app::placeLabel(p, QStringLiteral("住院号："), 11, 52, 80, 32);
    QLineEdit* zyh = app::placeEdit(p, QStringLiteral("EDtzyh"), 91, 52, 130, 32);
    app::placeLabel(p, QStringLiteral("姓名："), 236, 52, 60, 32);
    QLineEdit* name = app::placeEdit(p, QStringLiteral("EDtzyname"), 294, 52, 140, 32);
    app::placeLabel(p, QStringLiteral("单位："), 450, 52, 60, 32);
    QLineEdit* dw = app::placeEdit(p, QStringLiteral("EDtzydw"), 508, 52, gridRight - 508, 32);

    // Date row: admission, discharge, length of stay.
    placeCell(p, QStringLiteral("住院日期"), 11, rowY(0), 100, rowHeight);
    m_dtpzyrq = placePickerInCell(p, QStringLiteral("dtpzyrq"), 111, rowY(0), 189, rowHeight);
    placeCell(p, QStringLiteral("出院日期"), 300, rowY(0), 100, rowHeight);
    m_dtpcyrq = placePickerInCell(p, QStringLiteral("dtpcyrq"), 400, rowY(0), 190, rowHeight);
    placeCell(p, QStringLiteral("住院天数"), 590, rowY(0), 96, rowHeight);
    m_EDtzyts = placeCellEdit(p, QStringLiteral("EDtzyts"), QStringLiteral("0"), 686, rowY(0),
                              gridRight - 686, rowHeight, Qt::AlignRight, 24);

    // Column headers and the fee grid.
    for (int c = 0; c < 4; ++c) {
        placeCell(p, QStringLiteral("项  目"), pairX[c], rowY(1), captionWidth[c], rowHeight);
        placeCell(p, QStringLiteral("金     额"), pairX[c] + captionWidth[c], rowY(1), amountWidth,
                  rowHeight);
    }
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const Fee& fee = feeGrid[r][c];
            const int y = rowY(2 + r);
            placeCell(p, QString::fromUtf8(fee.caption), pairX[c], y, captionWidth[c], rowHeight);
            if (fee.field)
                placeCellEdit(p, QString::fromLatin1(fee.field), QStringLiteral("0.00"),
                              pairX[c] + captionWidth[c], y, amountWidth, rowHeight, Qt::AlignRight,
                              24);
            else
                placeCell(p, QString(), pairX[c] + captionWidth[c], y, amountWidth, rowHeight);
        }
    }
    for (const char* feeName : feeOrder)
        m_fees << field(feeName);

    // Total row: capitals over the second pair and the third caption, figures at the right.
    placeCell(p, QStringLiteral("人民币大写合计"), 11, rowY(6), pairX[1] - 11, rowHeight);
    m_pnlzyhjdx =
        placeDisplayCell(p, QStringLiteral("pnlzyhjdx"), QString(), pairX[1], rowY(6),
                         pairX[2] + captionWidth[2] - pairX[1], rowHeight, Qt::AlignHCenter, 19);
    placeCell(p, QStringLiteral("小    写"), pairX[2] + captionWidth[2], rowY(6), amountWidth,
              rowHeight);
    m_pnlzyhj = placeDisplayCell(p, QStringLiteral("pnlzyhj"), QStringLiteral("0.00"), pairX[3],
                                 rowY(6), gridRight - pairX[3], rowHeight, Qt::AlignHCenter, 24);

    // Settlement block: 结 over 算, four captioned fields, the stamp cell.
    placeCell(p, QStringLiteral("结\n算"), 11, rowY(7), 40, 2 * rowHeight);
    const struct {
        const char* caption;
        const char* field;
        int x, w;
        Qt::Alignment alignment;
    } settlement[] = {{"预收款", "ysk", 51, 100, Qt::AlignRight},
                      {"应交款", "yjk", 151, 100, Qt::AlignRight},
                      {"应退款", "ytk", 251, 100, Qt::AlignRight},
                      {"支付方式", "zffs", 351, 120, Qt::AlignHCenter}};
    for (const auto& s : settlement) {
        placeCell(p, QString::fromUtf8(s.caption), s.x, rowY(7), s.w, rowHeight);
        placeCellEdit(p, QString::fromLatin1(s.field),
                      QByteArray(s.field) == "zffs" ? QString() : QStringLiteral("0.00"), s.x,
                      rowY(8), s.w, rowHeight, s.alignment, 24);
    }
    m_ysk = field("ysk");
    m_yjk = field("yjk");
    m_ytk = field("ytk");
    placeCell(p, QStringLiteral("收讫印"), 471, rowY(7), gridRight - 471, 2 * rowHeight,
              Qt::AlignLeft | Qt::AlignVCenter);

    // Footer line.
    app::placeLabel(p, QStringLiteral("结算日期："), 11, 458, 100, 32);
    m_dtpjsrq = placePicker(p, QStringLiteral("dtpjsrq"), 111, 458, 200, 32);
    app::placeLabel(p, QStringLiteral("结算员："), 450, 458, 80, 32);
    QLineEdit* jsy = app::placeEdit(p, QStringLiteral("jsy"), 528, 458, 160, 32);

    QPushButton* print =
        app::placeButton(p, QStringLiteral("btnPrintzy"), QStringLiteral("打印"), 712, 10, 86, 34);
    QPushButton* next =
        app::placeButton(p, QStringLiteral("btnzynext"), QStringLiteral("下一张"), 620, 10, 86, 34);

    // The cashier's tab order: the settlement date before the admission date, the discharge
    // date after "打印".
    QList<QWidget*> order{m_EDtzyno, zyh, name, dw, m_EDtzyts};
    for (QLineEdit* fee : m_fees)
        order << fee;
    order << m_ysk << m_yjk << m_ytk << field("zffs") << m_dtpjsrq << m_dtpzyrq << jsy << print
          << m_dtpcyrq << next;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    for (QLineEdit* fee : m_fees)
        connect(fee, &QLineEdit::textChanged, this, app::guard([this] { cwfChange(); }));
    for (QLineEdit* settle : {m_ysk, m_yjk})
        connect(settle, &QLineEdit::textChanged, this, app::guard([this] { yskChange(); }));
    for (app::DatePicker* picker : {m_dtpzyrq, m_dtpcyrq})
        connect(picker, &QDateEdit::dateChanged, this, app::guard([this] { dtpzyrqChange(); }));
    connect(print, &QPushButton::clicked, this, app::guard([this] { btnPrintzyClick(); }));
    connect(next, &QPushButton::clicked, this, &InpatientPage::btnzynextClick);
}

QLineEdit* InpatientPage::field(const char* name) const {
    return panel()->findChild<QLineEdit*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void InpatientPage::cwfChange() {
    showTotal(m_fees, m_pnlzyhj, m_pnlzyhjdx);
}

void InpatientPage::yskChange() {
    m_ytk->setText(amounts::refundOf(m_ysk->text(), m_yjk->text()));
}

void InpatientPage::dtpzyrqChange() {
    const qint64 days = qAbs(m_dtpzyrq->date().daysTo(m_dtpcyrq->date()));
    m_EDtzyts->setText(QString::number(days));
}

void InpatientPage::btnPrintzyClick() {
    if (app::askYesNo(QStringLiteral("确定要打印吗?")) == QMessageBox::No)
        return;
    if (m_EDtzyts->text().isEmpty())
        m_EDtzyts->setText(QStringLiteral("0"));
    const QString format = QStringLiteral("yyyy-MM-dd");
    const QString admitted = m_dtpzyrq->date().toString(format);
    const QString discharged = m_dtpcyrq->date().toString(format);
    const QString settled = m_dtpjsrq->date().toString(format);
    const QString number = m_EDtzyno->text();
    const QList<QLineEdit*> settlement{m_ysk, m_yjk, m_ytk};

    // Everything that could fail after the row is stored is checked first.
    bool literals = isPlainNumberLiteral(m_EDtzyts->text(), true);
    for (QLineEdit* amount : m_fees + settlement)
        literals = literals && isPlainNumberLiteral(amount->text());
    if (!literals) {
        app::showMessage(QStringLiteral("保存数据失败"));
        return;
    }
    store::toInt32(number);
    QStringList feeTexts;
    for (QLineEdit* fee : m_fees)
        feeTexts << fee->text();
    for (QLineEdit* amount : m_fees + settlement)
        amounts::strictAmount(amount->text());
    amounts::totalOf(feeTexts);
    printing::ReportComponent& report = m_desk.frxReport1();
    if (!prepareTemplate(report, templateFile, templateObjects))
        return;

    QString statement = QStringLiteral(
        "insert into tzy(num,zyh,name,dw,zyrq,cyrq,zyts,cwf,xyf,zcy,zcaoy,jcf,zlf,fsf,ssf,hyf,"
        "sxf,syf,zhenlf,hlf,qtzl,hj,ysk,yjk,ytk,zffs,jsrq,jsy) values(");
    statement += quoted(number) + ',' + quoted(field("EDtzyh")->text()) + ',' +
                 quoted(field("EDtzyname")->text()) + ',' + quoted(field("EDtzydw")->text()) + ',' +
                 quoted(admitted) + ',' + quoted(discharged) + ',' + m_EDtzyts->text();
    for (QLineEdit* fee : m_fees)
        statement += ',' + fee->text();
    statement += ',' + m_pnlzyhj->text();
    for (QLineEdit* amount : settlement)
        statement += ',' + amount->text();
    statement += ',' + quoted(field("zffs")->text()) + ',' + quoted(settled) + ',' +
                 quoted(field("jsy")->text()) + ')';
    if (m_desk.RunSql(statement, true) < 0) {
        app::showMessage(QStringLiteral("保存数据失败"));
        return;
    }

    m_desk.SaveNumber(number);
    m_EDtzyno->setText(m_desk.GetNextNumber(store::Inpatient));

    const QString shown = app::DatePicker::displayPattern;
    std::vector<Fill> fills{
        {"edtzyno", number},
        {"edtzyh", field("EDtzyh")->text()},
        {"edtzyname", field("EDtzyname")->text()},
        {"edtzydw", field("EDtzydw")->text()},
        {"dtpzyrq", m_dtpzyrq->date().toString(shown)},
        {"dtpcyrq", m_dtpcyrq->date().toString(shown)},
        {"edtzyts", m_EDtzyts->text()},
    };
    for (QLineEdit* fee : m_fees)
        fills.emplace_back(fee->objectName(), amounts::shownAmount(fee->text()));
    fills.emplace_back("edthjdx", m_pnlzyhjdx->text());
    fills.emplace_back("edthj", amounts::shownAmount(m_pnlzyhj->text()));
    for (QLineEdit* amount : settlement)
        fills.emplace_back(amount->objectName(), amounts::shownAmount(amount->text()));
    fills.emplace_back("zffs", field("zffs")->text());
    fills.emplace_back("dtpjsrq", m_dtpjsrq->date().toString(shown));
    fills.emplace_back("jsy", field("jsy")->text());
    fillTemplate(report, fills);
    report.ShowReport();
}

} // namespace receipts
