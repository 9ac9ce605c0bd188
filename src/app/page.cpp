#include "app/page.h"

#include <QShowEvent>

namespace app {

Page::Page(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
}

void Page::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isVisible())
                    emit shown();
            },
            Qt::QueuedConnection);
    }
}

} // namespace app
