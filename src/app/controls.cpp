#include "app/controls.h"

#include "app/fonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace app {

QLabel* placeLabel(QWidget* parent, const QString& text, int x, int y, int w, int h,
                   int pixelHeight, const QString& name) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setFont(uiFont(pixelHeight));
    label->setGeometry(x, y, w, h);
    return label;
}

QLineEdit* placeEdit(QWidget* parent, const QString& name, int x, int y, int w, int h,
                     int pixelHeight) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFont(uiFont(pixelHeight));
    edit->setGeometry(x, y, w, h);
    return edit;
}

QPushButton* placeButton(QWidget* parent, const QString& name, const QString& text, int x, int y,
                         int w, int h, int pixelHeight) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFont(uiFont(pixelHeight));
    button->setGeometry(x, y, w, h);
    // Outside a dialog Qt presses a button on Enter only when it is an auto-default button.
    button->setAutoDefault(true);
    return button;
}

} // namespace app
