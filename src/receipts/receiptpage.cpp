#include "receipts/receiptpage.h"

#include "amounts/qt_amounttext.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>

namespace receipts {

ReceiptPage::ReceiptPage(const QString& pageName, const QString& panelName, QWidget* parent)
    : app::Page(pageName, parent), m_panel(new QFrame(this)) {
    m_panel->setObjectName(panelName);
    m_panel->setFrameShape(QFrame::Box);
    m_panel->setFrameShadow(QFrame::Plain);
    m_panel->setGeometry(panelLeft, panelTop, panelWidth, panelHeight);
}

void ReceiptPage::showTotal(const QList<QLineEdit*>& fees, QLabel* figures, QLabel* capitals) {
    QStringList texts;
    for (QLineEdit* fee : fees)
        texts << fee->text();
    const amounts::ShownTotal total = amounts::totalOf(texts);
    figures->setText(total.figures);
    capitals->setText(total.capitals);
}

void ReceiptPage::resizeEvent(QResizeEvent* event) {
    app::Page::resizeEvent(event);
    // The designed centre as a share of the designed page, applied to the present size.
    const double centreX = (panelLeft + panelWidth / 2.0) / designedPageWidth;
    const double centreY = (panelTop + panelHeight / 2.0) / designedPageHeight;
    const int left = qRound(centreX * width() - panelWidth / 2.0);
    const int top = qRound(centreY * height() - panelHeight / 2.0);
    m_panel->move(left, top);
}

} // namespace receipts
