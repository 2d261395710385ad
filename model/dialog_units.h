// SPDX-License-Identifier: MIT
// Dialog units to pixels: a template gives positions and sizes in units of its font's average
// letter width and height, which the view measures and the model converts.
#pragma once

#include "model/geometry.h"

namespace kalvora {

// A font as the view measures it, in pixels at the display's scale.
struct FontMetrics {
    int alphabetWidth = 0;     // the width of the 52 letters "A".."Z" "a".."z" written together
    int height = 0;            // the height of one line
    int averageCharWidth = 0;  // the font's own average character width
};

// The two dialog base units of a font: one horizontal dialog unit is x / 4 pixels, one vertical
// dialog unit y / 8 pixels.
struct BaseUnits {
    int x = 0;
    int y = 0;
    friend bool operator==(const BaseUnits&, const BaseUnits&) = default;
};

// The base units of a font as the window system computes them: the average letter width rounded
// as (width / 26 + 1) / 2, and the font's line height.
BaseUnits BaseUnitsOf(const FontMetrics& font);

// Dialog units to pixels, rounding like MulDiv (halves away from zero).
int DialogXToPixels(int x, BaseUnits base);
int DialogYToPixels(int y, BaseUnits base);
// Position and size are converted each on its own, as the dialog manager does: the right edge is
// not always the converted right edge of the template.
Rect DialogRectToPixels(int x, int y, int cx, int cy, BaseUnits base);

}  // namespace kalvora
