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

// Gives every one-line static text among `controls` (whose widgets are `widgets`, in the same
// order) the room beside it that model/text_room.h allows for its text in its font. A centred
// text that still does not fit keeps its start in view: it is aligned to the left.
void GiveTextsRoom(std::span<const PlacedControl> controls, std::span<QWidget* const> widgets);

}  // namespace kalvora
