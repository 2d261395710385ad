// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <span>

#include "calc/dialog_template.h"

class QWidget;

namespace kalvora {

// One control of a form as realised: its template data and its rectangle in pixels.
struct PlacedControl {
    const ControlDefinition* definition = nullptr;
    QRect pixels;
};

// The rectangle a one-line static text (an element of `controls`) takes so that a text
// `textWidth` pixels wide fits, as far as the free room beside it allows: it keeps its own
// rectangle when the text fits; a left-aligned text grows to the right, a centred one to both
// sides alike. The room ends `gap` pixels before the next control on its row and `gap` pixels
// inside the frame of a group box around it. The templates were laid out for another face; a
// text that runs a few pixels over its rectangle would otherwise lose its last letters.
QRect TextRect(std::span<const PlacedControl> controls, const PlacedControl& text, int textWidth, int gap,
               bool centred);

// Gives every one-line static text among `controls` (whose widgets are `widgets`, in the same
// order) the rectangle TextRect() allows. A centred text that still does not fit keeps its
// start in view: it is aligned to the left.
void GiveTextsRoom(std::span<const PlacedControl> controls, std::span<QWidget* const> widgets);

}  // namespace kalvora
