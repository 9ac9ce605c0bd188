#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace app {

// Small factories for the controls every page places at fixed positions (pixels at 96 dpi).

QLabel* placeLabel(QWidget* parent, const QString& text, int x, int y, int w, int h,
                   int pixelHeight = 19, const QString& name = {});

QLineEdit* placeEdit(QWidget* parent, const QString& name, int x, int y, int w, int h,
                     int pixelHeight = 19);

// A button that Enter presses while it has the focus, as Space does.
QPushButton* placeButton(QWidget* parent, const QString& name, const QString& text, int x, int y,
                         int w, int h, int pixelHeight = 19);

} // namespace app
