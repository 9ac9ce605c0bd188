#include "printing/renderer.h"

#include "printing/templatefile.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace printing {

namespace {

// The inner gap between a text and its box edges, in units.
constexpr double gapX = 2.0;
constexpr double gapY = 1.0;

int alignmentFlags(const TextObject& o) {
    int flags = 0;
    switch (o.hAlign) {
    case HAlign::Left:
        flags |= Qt::AlignLeft;
        break;
    case HAlign::Centre:
        flags |= Qt::AlignHCenter;
        break;
    case HAlign::Right:
        flags |= Qt::AlignRight;
        break;
    }
    switch (o.vAlign) {
    case VAlign::Top:
        flags |= Qt::AlignTop;
        break;
    case VAlign::Centre:
        flags |= Qt::AlignVCenter;
        break;
    case VAlign::Bottom:
        flags |= Qt::AlignBottom;
        break;
    }
    if (o.wordWrap)
        flags |= Qt::TextWordWrap;
    return flags;
}

void drawObject(QPainter& painter, const TextObject& o) {
    const QRectF box(o.left, o.top, o.width, o.height);
    if (!o.text.isEmpty()) {
        painter.save();
        painter.setClipRect(box, Qt::IntersectClip);
        painter.setFont(objectFont(o));
        painter.setPen(o.color);
        const QRectF inner = box.adjusted(gapX, gapY, -gapX, -gapY);
        painter.drawText(inner, alignmentFlags(o), o.text);
        painter.restore();
    }
    if (o.frame.any()) {
        painter.save();
        QPen pen(Qt::black);
        pen.setWidthF(o.frame.width);
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        if (o.frame.left)
            painter.drawLine(box.topLeft(), box.bottomLeft());
        if (o.frame.top)
            painter.drawLine(box.topLeft(), box.topRight());
        if (o.frame.right)
            painter.drawLine(box.topRight(), box.bottomRight());
        if (o.frame.bottom)
            painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.restore();
    }
}

QPageLayout layoutOf(const ReportPage& page) {
    const QPageSize size(QSizeF(page.paperWidthMm, page.paperHeightMm), QPageSize::Millimeter,
                         QString(), QPageSize::ExactMatch);
    return QPageLayout(size, page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

} // namespace

QFont objectFont(const TextObject& o) {
    QFont font;
    font.setFamilies({o.fontFamily, QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("sans-serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(o.fontPixelSize);
    font.setBold(o.bold);
    font.setItalic(o.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QSizeF sheetSizeUnits(const ReportPage& page) {
    return {page.sheetWidthMm() * unitsPerMm, page.sheetHeightMm() * unitsPerMm};
}

void drawPage(QPainter& painter, const ReportPage& page) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate(page.marginLeftMm * unitsPerMm, page.marginTopMm * unitsPerMm);
    for (const TextObject& object : page.objects)
        drawObject(painter, object);
    painter.restore();
}

void exportPdf(const Report& report, const QString& path) {
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setCreator(QStringLiteral("门诊住院收费系统"));
    if (report.pages.empty()) {
        writer.setPageLayout(layoutOf(Report::blank().pages.front()));
        QPainter painter(&writer);
        if (!painter.isActive())
            throw TemplateError(QStringLiteral("%1 cannot be written").arg(path));
        return;
    }
    writer.setPageLayout(layoutOf(report.pages.front()));
    QPainter painter(&writer);
    if (!painter.isActive())
        throw TemplateError(QStringLiteral("%1 cannot be written").arg(path));
    const double scale = writer.resolution() / 96.0;
    for (std::size_t i = 0; i < report.pages.size(); ++i) {
        if (i > 0) {
            writer.setPageLayout(layoutOf(report.pages[i]));
            writer.newPage();
        }
        painter.save();
        painter.scale(scale, scale);
        drawPage(painter, report.pages[i]);
        painter.restore();
    }
    if (!painter.end())
        throw TemplateError(QStringLiteral("%1 cannot be written").arg(path));
}

QImage renderPageImage(const ReportPage& page, double dpi) {
    const QSizeF units = sheetSizeUnits(page);
    const double scale = dpi / 96.0;
    QImage image(qCeil(units.width() * scale), qCeil(units.height() * scale),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    drawPage(painter, page);
    return image;
}

} // namespace printing
