#include "receipts/cells.h"

#include "app/fonts.h"

#include <QLabel>
#include <QLineEdit>

namespace receipts {

QLabel* placeCell(QWidget* panel, const QString& text, int x, int y, int w, int h,
                  Qt::Alignment alignment, int pixelHeight) {
    auto* cell = new QLabel(text, panel);
    cell->setProperty("receiptCell", true);
    cell->setFrameShape(QFrame::Box);
    cell->setFrameShadow(QFrame::Plain);
    cell->setFont(app::uiFont(pixelHeight));
    cell->setAlignment(alignment);
    cell->setMargin(2);
    // Neighbouring cells share their border line.
    cell->setGeometry(x, y, w + 1, h + 1);
    return cell;
}

QLabel* placeDisplayCell(QWidget* panel, const QString& name, const QString& text, int x, int y,
                         int w, int h, Qt::Alignment alignment, int pixelHeight) {
    QLabel* cell = placeCell(panel, text, x, y, w, h, alignment | Qt::AlignVCenter, pixelHeight);
    cell->setObjectName(name);
    cell->setIndent(4);
    return cell;
}

QLineEdit* placeCellEdit(QWidget* panel, const QString& name, const QString& text, int x, int y,
                         int w, int h, Qt::Alignment alignment, int pixelHeight) {
    placeCell(panel, QString(), x, y, w, h);
    auto* edit = new QLineEdit(text, panel);
    edit->setObjectName(name);
    edit->setProperty("inCell", true);
    edit->setFrame(false);
    edit->setFont(app::uiFont(pixelHeight));
    edit->setAlignment(alignment | Qt::AlignVCenter);
    edit->setGeometry(x + 3, y + 3, w - 5, h - 5);
    return edit;
}

} // namespace receipts
