#pragma once

#include <QWidget>

namespace app {

// A page of the main window's page control. shown() fires every time the page becomes
// visible to the cashier: when the window first shows it and each time its tab is chosen,
// but not when the whole window is merely restored from the task bar.
//
// It fires from the event loop right after the page has appeared, not from inside Qt's show
// sequence: a handler may open a modal box, and a nested event loop while Qt walks the
// window's children is unsafe. A page hidden again before then does not fire.
class Page : public QWidget {
    Q_OBJECT
public:
    explicit Page(const QString& name, QWidget* parent = nullptr);

signals:
    void shown();

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace app
