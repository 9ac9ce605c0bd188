#pragma once

#include "printing/reportmodel.h"

#include <QImage>
#include <QString>

class QPainter;

namespace printing {

// Draws one page onto a painter whose coordinates are 1/96 inch with the origin at the
// sheet's top-left corner. The preview, the PDF export and the printout all draw through it.
void drawPage(QPainter& painter, const ReportPage& page);

// The font a text object prints in: its family where present, else a CJK sans serif, so
// Chinese always renders.
QFont objectFont(const TextObject& object);

// The sheet size in 1/96 inch.
QSizeF sheetSizeUnits(const ReportPage& page);

// Every page of the report as one PDF page each, at its own paper size. Throws TemplateError
// when the file cannot be written.
void exportPdf(const Report& report, const QString& path);

// One page as an image at the given resolution (dots per inch), white background.
QImage renderPageImage(const ReportPage& page, double dpi);

} // namespace printing
