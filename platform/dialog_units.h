// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRect>

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

// The font whose base units a template uses, which is also the font of its controls:
// Dialog9pt is the application's default sans family at 9 points; System is the system font.
QFont DialogFontFor(DialogFont font);

// The application's default sans family at `points` points.
QFont SansFont(int points);

// Dialog units to pixels, rounding like MulDiv (halves away from zero).
int DialogXToPixels(int x, BaseUnits base);
int DialogYToPixels(int y, BaseUnits base);
QRect DialogRectToPixels(int x, int y, int cx, int cy, BaseUnits base);

}  // namespace kalvora::platform
