#pragma once

#include <QString>

class QApplication;

namespace app {

// The visual style the program starts with.
inline const QString defaultStyleName = QStringLiteral("Amethyst Kamri");

// The resource holding the style sheet of a named style (names compare ignoring case), or the
// empty text when no style of that name is carried.
QString styleResource(const QString& name);

// Applies the named style to the whole application. An unknown name shows the box
// "Style '<name>' not found" with a Close button and leaves the default look; returns false.
bool applyStyle(QApplication& application, const QString& name);

} // namespace app
