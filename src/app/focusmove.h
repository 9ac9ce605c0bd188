#pragma once

#include <QObject>

class QWidget;

namespace app {

// Moves the focus from `from` to the next control of its window, the way Tab does: forward
// through the tab order, skipping controls that are hidden, disabled or no tab stops, and
// starting again at the first after the last. Returns the control that took the focus.
QWidget* moveFocusLikeTab(QWidget* from);

// The Enter key of the plain entry fields (edtnameKeyPress): Enter moves the focus on like
// Tab, and the key still reaches the field, which enters nothing for it. Other keys pass.
class EnterMovesFocus : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void watch(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

bool isEnterKey(const QEvent* event);

} // namespace app
