#include "app/dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace app {

QString applicationTitle() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString errorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

namespace {

QMessageBox::StandardButton runBox(QMessageBox::Icon icon, const QString& text,
                                   QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, applicationTitle(), text, buttons);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (buttons.testFlag(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);
    const int answer = box.exec();
    // Closing a Yes/No box by its title bar reports the escape button, No.
    return QMessageBox::StandardButton(answer);
}

} // namespace

void showMessage(const QString& text) {
    runBox(QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

void showStandardErrorBox(const QString& message) {
    runBox(QMessageBox::Critical, errorBoxText(message), QMessageBox::Ok, QMessageBox::Ok);
}

QMessageBox::StandardButton askYesNo(const QString& text,
                                     QMessageBox::StandardButton defaultButton) {
    return runBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, defaultButton);
}

} // namespace app
