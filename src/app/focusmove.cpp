#include "app/focusmove.h"

#include "app/guard.h"

#include <QKeyEvent>
#include <QWidget>

namespace app {

namespace {

bool takesTabFocus(const QWidget* w, const QWidget* window) {
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() &&
           w->isEnabled() && w->isVisibleTo(window) && w->window() == window;
}

} // namespace

QWidget* moveFocusLikeTab(QWidget* from) {
    QWidget* window = from->window();
    QWidget* candidate = from->nextInFocusChain();
    while (candidate && candidate != from) {
        if (takesTabFocus(candidate, window)) {
            candidate->setFocus(Qt::TabFocusReason);
            return candidate;
        }
        candidate = candidate->nextInFocusChain();
    }
    return nullptr;
}

bool isEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void EnterMovesFocus::watch(QWidget* field) {
    field->installEventFilter(this);
}

bool EnterMovesFocus::eventFilter(QObject* watched, QEvent* event) {
    if (isEnterKey(event) && watched->isWidgetType()) {
        auto* field = static_cast<QWidget*>(watched);
        guarded([field] { moveFocusLikeTab(field); });
    }
    return false;
}

} // namespace app
