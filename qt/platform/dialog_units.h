// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include "calc/dialog_template.h"

namespace kalvora::platform {

// The two dialog base units of a font, in pixels: one horizontal dialog unit is baseX / 4
// pixels, one vertical dialog unit baseY / 8 pixels.
struct BaseUnits {
    int x = 0;
    int y = 0;
};

// Base units as Windows computes them: the average width of "A".."Z" "a".."z" rounded as
// (width / 26 + 1) / 2, and the font's character height.
BaseUnits DialogBaseUnits(const QFont& font);

// The family of the program's dialogs: "MS Shell Dlg 2" on Windows; elsewhere "Liberation Sans"
// where it is installed, else the application's default family.
QString DialogFontFamily();

// The font whose base units a template uses, which is also the font of its controls:
// Dialog9pt is the dialog family at 9 points; System is the system font's size in the dialog
// family.
QFont DialogFontFor(DialogFont font);

// The dialog family at `points` points.
QFont SansFont(int points);

// Dialog units to pixels, rounding like MulDiv (halves away from zero).
int DialogXToPixels(int x, BaseUnits base);
int DialogYToPixels(int y, BaseUnits base);
QRect DialogRectToPixels(int x, int y, int cx, int cy, BaseUnits base);

}  // namespace kalvora::platform
