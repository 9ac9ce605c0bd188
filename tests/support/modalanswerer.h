#pragma once

#include "printing/reportmodel.h"

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <deque>

// Answers the modal message boxes the code under test opens. Each box that appears is
// recorded (caption, text, icon, buttons) and answered with the next queued answer; with the
// queue empty it gets its default button, or else its escape button. A report preview that
// opens is recorded with the report it shows and closed.
class ModalAnswerer : public QObject {
    Q_OBJECT
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    };

    explicit ModalAnswerer(QObject* parent = nullptr);

    void answer(QMessageBox::StandardButton button) { m_answers.push_back(button); }

    const QList<Seen>& seen() const { return m_seen; }
    QStringList texts() const;
    const QList<printing::Report>& previews() const { return m_previews; }
    // The text of a named object in the last preview, or a null text.
    QString previewText(const QString& object) const;
    void clear() {
        m_seen.clear();
        m_previews.clear();
    }

private:
    void poll();

    QTimer m_timer;
    std::deque<QMessageBox::StandardButton> m_answers;
    QList<Seen> m_seen;
    QList<printing::Report> m_previews;
};
