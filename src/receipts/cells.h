#pragma once

#include <QString>
#include <Qt>

class QLabel;
class QLineEdit;
class QWidget;

namespace receipts {

// The framed cells a receipt page is drawn with, at fixed positions in its panel (pixels at
// 96 dpi). A cell is a flat-bordered box in the window colour; captions are centred unless
// another alignment is given.
QLabel* placeCell(QWidget* panel, const QString& text, int x, int y, int w, int h,
                  Qt::Alignment alignment = Qt::AlignCenter, int pixelHeight = 19);

// A display cell the program writes (a total, the capitals): a cell with a name.
QLabel* placeDisplayCell(QWidget* panel, const QString& name, const QString& text, int x, int y,
                         int w, int h, Qt::Alignment alignment, int pixelHeight);

// An entry field filling a cell: the cell draws the frame, the field sits inside it.
QLineEdit* placeCellEdit(QWidget* panel, const QString& name, const QString& text, int x, int y,
                         int w, int h, Qt::Alignment alignment, int pixelHeight);

} // namespace receipts
