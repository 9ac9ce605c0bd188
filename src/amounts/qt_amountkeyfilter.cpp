#include "amounts/qt_amountkeyfilter.h"

#include "app/focusmove.h"
#include "app/guard.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

namespace amounts {

void AmountKeyFilter::watch(QWidget* field) {
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    field->installEventFilter(this);
}

std::optional<char16_t> AmountKeyFilter::typedCharacter(const QKeyEvent* event) {
    const int key = event->key();
    switch (key) {
    case Qt::Key_Backspace:
        return u'\b';
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return u'\r';
    case Qt::Key_Escape:
        return char16_t(27);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier)) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return char16_t(key - Qt::Key_A + 1);
        if (key >= Qt::Key_BracketLeft && key <= Qt::Key_Underscore)
            return char16_t(key - Qt::Key_BracketLeft + 27);
    }
    const QString text = event->text();
    if (text.isEmpty() || text.front() == QChar(0x7f))
        return std::nullopt;
    return text.front().unicode();
}

bool AmountKeyFilter::admits(char16_t c) {
    return c == u'\b' || c == u'\r' || c == 27 || c == u'.' || (c >= u'0' && c <= u'9');
}

bool AmountKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType())
        return false;
    auto* field = static_cast<QWidget*>(watched);

    if (event->type() == QEvent::InputMethod) {
        const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
        for (QChar c : commit) {
            if (!admits(c.unicode()) || c.unicode() < u' ')
                return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;

    const auto* key = static_cast<QKeyEvent*>(event);
    const std::optional<char16_t> typed = typedCharacter(key);
    if (!typed)
        return false;
    if (!admits(*typed))
        return true;
    if (*typed == u'\r')
        app::guarded([field] { app::moveFocusLikeTab(field); });
    return false;
}

} // namespace amounts
