#include "receipts/outpatientpage.h"

#include "app/controls.h"
#include "app/datepicker.h"
#include "app/fonts.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace receipts {

OutpatientPage::OutpatientPage(QWidget* parent)
    : ReceiptPage(QStringLiteral("ts1"), QStringLiteral("pnl1"), parent) {
    QFrame* p = panel();

    QLabel* title = app::placeLabel(p, QStringLiteral("门诊医药费收据"), 0, 10, panelWidth, 40, 29);
    title->setFont(app::uiFont(29, true));
    title->setAlignment(Qt::AlignCenter);

    // Header line, in tab order: name, date, receipt number.
    app::placeLabel(p, QStringLiteral("姓名："), 20, 64, 60, 30);
    m_edtname = app::placeEdit(p, QStringLiteral("edtname"), 78, 62, 180, 32);
    app::placeLabel(p, QStringLiteral("日期："), 300, 64, 60, 30);
    m_dtp1 = new app::DatePicker(QStringLiteral("dtp1"), p);
    m_dtp1->setFont(app::uiFont(19));
    m_dtp1->setGeometry(358, 62, 200, 32);
    app::placeLabel(p, QStringLiteral("NO："), 596, 64, 50, 30);
    m_edtno = app::placeEdit(p, QStringLiteral("edtno"), 644, 62, 150, 32);

    setTabOrder(m_edtname, m_dtp1);
    setTabOrder(m_dtp1, m_edtno);
}

} // namespace receipts
