// SPDX-License-Identifier: MIT
#include "model/dialog_units.h"

namespace kalvora {
namespace {

constexpr int kLetters = 26;  // the alphabet's width is taken over 52 letters: two per 26

}  // namespace

BaseUnits BaseUnitsOf(const FontMetrics& font) {
    return {(font.alphabetWidth / kLetters + 1) / 2, font.height};
}

int DialogXToPixels(int x, BaseUnits base) {
    return MulDivRounded(x, base.x, 4);
}

int DialogYToPixels(int y, BaseUnits base) {
    return MulDivRounded(y, base.y, 8);
}

Rect DialogRectToPixels(int x, int y, int cx, int cy, BaseUnits base) {
    return Rect::FromSize(DialogXToPixels(x, base), DialogYToPixels(y, base), DialogXToPixels(cx, base),
                          DialogYToPixels(cy, base));
}

}  // namespace kalvora
