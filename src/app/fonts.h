#pragma once

#include <QFont>

namespace app {

// The interface font: Tahoma where it is installed, otherwise a CJK sans serif, so every
// Chinese text renders, at a pixel height laid out for 96 dots per inch.
QFont uiFont(int pixelHeight, bool bold = false);

} // namespace app
