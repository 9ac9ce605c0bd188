#include "printing/pageview.h"

#include "printing/renderer.h"

#include <QPainter>

namespace printing {

namespace {
constexpr int border = 12; // grey around the sheet
}

PageView::PageView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pageView"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    setPalette(p);
}

void PageView::setPage(const ReportPage* page) {
    m_page = page;
    setFixedSize(sizeHint());
    update();
}

void PageView::setZoom(double zoom) {
    m_zoom = zoom;
    setFixedSize(sizeHint());
    update();
}

QSize PageView::sizeHint() const {
    if (!m_page)
        return {2 * border, 2 * border};
    const QSizeF sheet = sheetSizeUnits(*m_page) * m_zoom;
    return {qCeil(sheet.width()) + 2 * border, qCeil(sheet.height()) + 2 * border};
}

void PageView::paintEvent(QPaintEvent*) {
    if (!m_page)
        return;
    QPainter painter(this);
    const QSizeF sheet = sheetSizeUnits(*m_page) * m_zoom;
    const QRectF paper(border, border, sheet.width(), sheet.height());
    painter.fillRect(paper.translated(3, 3), QColor(0x50, 0x50, 0x50));
    painter.fillRect(paper, Qt::white);
    painter.translate(border, border);
    painter.scale(m_zoom, m_zoom);
    drawPage(painter, *m_page);
}

} // namespace printing
