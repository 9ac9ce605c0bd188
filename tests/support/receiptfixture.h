#pragma once

#include "app/mainwindow.h"
#include "modalanswerer.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The real main window on a new store in a temporary working directory (so the shipped
// templates are written beside it), shown and answered by a ModalAnswerer.
class ReceiptFixture {
public:
    ReceiptFixture() : m_previous(QDir::currentPath()) {
        QDir::setCurrent(m_dir.path());
        answerer = std::make_unique<ModalAnswerer>();
        window = std::make_unique<app::TfrmMain>(store::StoreLocation::defaultStore());
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the main window did not become active");
        QCoreApplication::processEvents();
    }
    ~ReceiptFixture() {
        window.reset();
        answerer.reset();
        QDir::setCurrent(m_previous);
    }

    QString storePath() const { return m_dir.filePath("receipts.db"); }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QLineEdit* edit(const QString& name) const {
        auto* found = window->findChild<QLineEdit*>(name);
        if (!found)
            qFatal("no field %s", qPrintable(name));
        return found;
    }
    QString text(const QString& name) const { return edit(name)->text(); }
    QString caption(const QString& name) const { return window->findChild<QLabel*>(name)->text(); }
    void choosePage(int index) {
        window->findChild<QTabWidget*>("pgc1")->setCurrentIndex(index);
        QCoreApplication::processEvents();
    }
    // Types into a field key by key, as the cashier does.
    void type(const QString& name, const QString& keys) {
        QLineEdit* field = edit(name);
        field->setFocus();
        field->selectAll();
        if (keys.isEmpty())
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::keyClicks(field, keys);
    }
    void click(const QString& button) {
        QTest::mouseClick(window->findChild<QWidget*>(button), Qt::LeftButton);
    }

    std::unique_ptr<ModalAnswerer> answerer;
    std::unique_ptr<app::TfrmMain> window;

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
