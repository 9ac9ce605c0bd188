#include "printing/reportpreview.h"

#include "app/dialogs.h"
#include "app/guard.h"
#include "printing/pagesetupdialog.h"
#include "printing/pageview.h"
#include "printing/renderer.h"

#include <QFileDialog>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

namespace printing {

namespace {

void applyPageLayout(QPrinter& printer, const ReportPage& page) {
    const QPageSize size(QSizeF(page.paperWidthMm, page.paperHeightMm), QPageSize::Millimeter,
                         QString(), QPageSize::ExactMatch);
    printer.setPageLayout(
        QPageLayout(size, page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

} // namespace

void printReport(const Report& report, QPrinter& printer) {
    if (report.pages.empty())
        return;
    printer.setFullPage(true);
    applyPageLayout(printer, report.pages.front());
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("打印机无法打开");
    for (std::size_t i = 0; i < report.pages.size(); ++i) {
        if (i > 0) {
            applyPageLayout(printer, report.pages[i]);
            printer.newPage();
        }
        painter.save();
        const double scale = printer.resolution() / 96.0;
        painter.scale(scale, scale);
        drawPage(painter, report.pages[i]);
        painter.restore();
    }
    painter.end();
}

ReportPreview::ReportPreview(Report prepared, QWidget* parent)
    : QDialog(parent), m_report(std::move(prepared)) {
    setObjectName(QStringLiteral("frxPreview"));
    setWindowTitle(QStringLiteral("预览"));
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setModal(true);

    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("previewToolbar"));
    auto add = [&](const QString& name, const QString& text, auto handler) {
        QAction* action = toolbar->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, app::guard(handler));
        return action;
    };
    add(QStringLiteral("actPrint"), QStringLiteral("打印"), [this] { print(); });
    add(QStringLiteral("actExportPdf"), QStringLiteral("导出PDF"), [this] { exportToPdf(); });
    add(QStringLiteral("actPageSetup"), QStringLiteral("页面设置"), [this] { editPageSetup(); });
    toolbar->addSeparator();
    add(QStringLiteral("actFirst"), QStringLiteral("首页"), [this] { showPage(0); });
    add(QStringLiteral("actPrevious"), QStringLiteral("上一页"), [this] { showPage(m_page - 1); });
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    toolbar->addWidget(m_pageLabel);
    add(QStringLiteral("actNext"), QStringLiteral("下一页"), [this] { showPage(m_page + 1); });
    add(QStringLiteral("actLast"), QStringLiteral("末页"),
        [this] { showPage(int(m_report.pages.size()) - 1); });
    toolbar->addSeparator();
    add(QStringLiteral("actZoomOut"), QStringLiteral("缩小"), [this] { setZoom(zoom() - 0.25); });
    m_zoomBox = new QSpinBox(this);
    m_zoomBox->setObjectName(QStringLiteral("zoomBox"));
    m_zoomBox->setRange(10, 800);
    m_zoomBox->setSingleStep(10);
    m_zoomBox->setSuffix(QStringLiteral(" %"));
    m_zoomBox->setValue(100);
    toolbar->addWidget(m_zoomBox);
    add(QStringLiteral("actZoomIn"), QStringLiteral("放大"), [this] { setZoom(zoom() + 0.25); });
    add(QStringLiteral("actZoom100"), QStringLiteral("100%"), [this] { setZoom(1.0); });
    add(QStringLiteral("actZoomWidth"), QStringLiteral("页宽"), [this] { zoomToWidth(); });
    toolbar->addSeparator();
    add(QStringLiteral("actClose"), QStringLiteral("关闭"), [this] { reject(); });

    m_view = new PageView;
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("previewScroll"));
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setWidget(m_view);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(m_scroll, 1);

    connect(m_zoomBox, &QSpinBox::valueChanged, this,
            [this](int percent) { app::guarded([&] { m_view->setZoom(percent / 100.0); }); });
    refresh();
    setWindowState(windowState() | Qt::WindowMaximized);
}

double ReportPreview::zoom() const {
    return m_zoomBox->value() / 100.0;
}

void ReportPreview::showPage(int index) {
    if (m_report.pages.empty())
        return;
    m_page = std::clamp(index, 0, int(m_report.pages.size()) - 1);
    refresh();
}

void ReportPreview::setZoom(double zoom) {
    m_zoomBox->setValue(qRound(zoom * 100));
}

void ReportPreview::zoomToWidth() {
    if (m_report.pages.empty())
        return;
    const double available = m_scroll->viewport()->width() - 24;
    setZoom(available / sheetSizeUnits(m_report.pages[std::size_t(m_page)]).width());
}

void ReportPreview::refresh() {
    const int count = int(m_report.pages.size());
    m_view->setPage(count ? &m_report.pages[std::size_t(m_page)] : nullptr);
    m_view->setZoom(zoom());
    m_pageLabel->setText(count ? QStringLiteral(" %1 / %2 ").arg(m_page + 1).arg(count)
                               : QStringLiteral(" 0 / 0 "));
}

void ReportPreview::print() {
    if (m_report.pages.empty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(1);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    printReport(m_report, printer);
}

void ReportPreview::exportToPdf() {
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出PDF"), QString(),
                                                QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    exportPdf(m_report, path);
}

void ReportPreview::editPageSetup() {
    if (m_report.pages.empty())
        return;
    ReportPage& page = m_report.pages[std::size_t(m_page)];
    PageSetupDialog dialog(page, this);
    if (dialog.exec() == QDialog::Accepted) {
        page = dialog.result(page);
        refresh();
    }
}

} // namespace printing
