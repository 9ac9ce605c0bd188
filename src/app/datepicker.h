#pragma once

#include <QDateEdit>

namespace app {

// A date picker: shows "yyyy年MM月dd日", holds a date only, opens a calendar. Tab leaves the
// picker for the next control (the arrow keys and the mouse pick the day, month or year part)
// so that Tab and Enter move through a page alike.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(const QString& name, QWidget* parent = nullptr);

    static const QString displayPattern;

protected:
    bool focusNextPrevChild(bool next) override;
};

} // namespace app
