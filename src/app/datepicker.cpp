#include "app/datepicker.h"

namespace app {

const QString DatePicker::displayPattern = QStringLiteral("yyyy年MM月dd日");

DatePicker::DatePicker(const QString& name, QWidget* parent) : QDateEdit(parent) {
    setObjectName(name);
    setDisplayFormat(displayPattern);
    setCalendarPopup(true);
    setDate(QDate::currentDate());
}

bool DatePicker::focusNextPrevChild(bool next) {
    return QWidget::focusNextPrevChild(next);
}

} // namespace app
