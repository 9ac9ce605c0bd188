#include "modalanswerer.h"

#include "printing/reportpreview.h"
#include <QAbstractButton>

#include <QApplication>
#include <QPushButton>

ModalAnswerer::ModalAnswerer(QObject* parent) : QObject(parent) {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start();
}

QStringList ModalAnswerer::texts() const {
    QStringList result;
    for (const Seen& s : m_seen)
        result << s.text;
    return result;
}

QString ModalAnswerer::previewText(const QString& object) const {
    if (m_previews.isEmpty())
        return {};
    const printing::TextObject* found = m_previews.last().findObject(object);
    return found ? found->text : QString();
}

void ModalAnswerer::poll() {
    if (auto* preview = qobject_cast<printing::ReportPreview*>(QApplication::activeModalWidget())) {
        if (preview->isVisible() && !preview->property("answered").toBool()) {
            preview->setProperty("answered", true);
            m_previews.append(preview->prepared());
            preview->reject();
        }
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("answered").toBool())
        return;
    box->setProperty("answered", true);

    QMessageBox::StandardButton defaultButton =
        box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton;
    m_seen.append(
        {box->windowTitle(), box->text(), box->icon(), box->standardButtons(), defaultButton});

    QAbstractButton* button = nullptr;
    if (!m_answers.empty()) {
        button = box->button(m_answers.front());
        m_answers.pop_front();
    }
    if (!button)
        button = box->defaultButton();
    if (!button)
        button = box->escapeButton();
    if (button)
        button->click();
    else
        box->reject();
}
