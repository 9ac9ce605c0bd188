#pragma once

#include <QMessageBox>
#include <QString>

namespace app {

// The caption of every box the program shows: the executable's file name without extension.
QString applicationTitle();

// The text the standard error box shows: a full stop is appended when the last character's
// code is above the full stop's.
QString errorBoxText(const QString& message);

// Every box below is application-modal and centred on the screen. None is a child of a
// window, so a box can open from any handler, even while the window is showing its pages.

// The message, one OK button.
void showMessage(const QString& text);

// The standard error box: a stop icon, one OK button and errorBoxText(message).
void showStandardErrorBox(const QString& message);

// A confirmation with Yes and No. Escape and the close button answer No.
QMessageBox::StandardButton
askYesNo(const QString& text, QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

} // namespace app
