// The dialog template's font on screen, and the base units that turn its dialog units
// into pixels, measured as the platform measures them.
#pragma once

#include <QFont>

#include "windef.h"

// Makes the template's Tahoma known to Qt when fontconfig does not list it: Debian's
// fonts-wine keeps its Tahoma-metric faces outside fontconfig's folders.
void RegisterDialogFonts();

// The font of face, size in points and weight (100 ... 900). Points are taken at the
// 96 dots per inch that dialog units were designed at, so 9 points are 12 pixels.
QFont DialogFont(const QString& faceName, int pointSize, int weight);

// The average character width, (advance of "A".."Z" "a".."z" / 26 + 1) / 2, and the
// line height of the font as the platform measures it, in pixels.
SIZE BaseUnitsOf(const QFont& font);
