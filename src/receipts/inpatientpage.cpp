#include "receipts/inpatientpage.h"

#include "app/controls.h"
#include "app/datepicker.h"
#include "app/fonts.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace receipts {

namespace {

app::DatePicker* placePicker(QWidget* parent, const QString& name, int x, int y, int w, int h) {
    auto* picker = new app::DatePicker(name, parent);
    picker->setFont(app::uiFont(19));
    picker->setGeometry(x, y, w, h);
    return picker;
}

} // namespace

InpatientPage::InpatientPage(QWidget* parent)
    : ReceiptPage(QStringLiteral("ts2"), QStringLiteral("Panel1"), parent) {
    QFrame* p = panel();

    // Title line: the receipt number at the left, the title centred.
    app::placeLabel(p, QStringLiteral("NO："), 16, 16, 50, 30);
    m_EDtzyno = app::placeEdit(p, QStringLiteral("EDtzyno"), 62, 14, 150, 32);
    QLabel* title = app::placeLabel(p, QStringLiteral("住院费用收据"), 250, 10, 312, 40, 29);
    title->setFont(app::uiFont(29, true));
    title->setAlignment(Qt::AlignCenter);

    // Header line.
    app::placeLabel(p, QStringLiteral("住院号："), 16, 64, 80, 30);
    QLineEdit* zyh = app::placeEdit(p, QStringLiteral("EDtzyh"), 92, 62, 130, 32);
    app::placeLabel(p, QStringLiteral("姓名："), 240, 64, 60, 30);
    QLineEdit* name = app::placeEdit(p, QStringLiteral("EDtzyname"), 296, 62, 130, 32);
    app::placeLabel(p, QStringLiteral("单位："), 444, 64, 60, 30);
    QLineEdit* dw = app::placeEdit(p, QStringLiteral("EDtzydw"), 500, 62, 296, 32);

    // Date row: admission, discharge, length of stay.
    app::placeLabel(p, QStringLiteral("住院日期"), 16, 108, 80, 30);
    m_dtpzyrq = placePicker(p, QStringLiteral("dtpzyrq"), 96, 106, 190, 32);
    app::placeLabel(p, QStringLiteral("出院日期"), 300, 108, 80, 30);
    m_dtpcyrq = placePicker(p, QStringLiteral("dtpcyrq"), 380, 106, 190, 32);
    app::placeLabel(p, QStringLiteral("住院天数"), 586, 108, 80, 30);
    QLineEdit* days = app::placeEdit(p, QStringLiteral("EDtzyts"), 666, 106, 130, 32, 24);
    days->setText(QStringLiteral("0"));
    days->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Footer line: settlement date and clerk.
    app::placeLabel(p, QStringLiteral("结算日期："), 16, 460, 100, 30);
    m_dtpjsrq = placePicker(p, QStringLiteral("dtpjsrq"), 112, 458, 200, 32);
    app::placeLabel(p, QStringLiteral("结算员："), 450, 460, 80, 30);
    QLineEdit* jsy = app::placeEdit(p, QStringLiteral("jsy"), 526, 458, 160, 32);

    // The cashier's tab order: the settlement date comes before the admission date, and the
    // discharge date after the clerk.
    const QList<QWidget*> order{m_EDtzyno, zyh,       name, dw,       days,
                                m_dtpjsrq, m_dtpzyrq, jsy,  m_dtpcyrq};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

} // namespace receipts
