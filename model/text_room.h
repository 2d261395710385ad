// SPDX-License-Identifier: MIT
// Room for one-line texts that are wider than their template rectangle: the templates were laid
// out for another face, and a text that runs a few pixels over would lose its last letters.
#pragma once

#include <cstddef>
#include <span>

#include "calc/dialog_template.h"
#include "model/geometry.h"

namespace kalvora {

// One control of a form as a view placed it: its kind and its rectangle in pixels.
struct ControlPlace {
    ControlKind kind = ControlKind::Label;
    Rect rect;
};

// Whether a control of this kind is a static text that may take room beside it.
bool TakesTextRoom(ControlKind kind);

// The rectangle the one-line static text `controls[text]` takes so that a text `textWidth`
// pixels wide fits, as far as the free room beside it allows: it keeps its own rectangle when
// the text fits; a left-aligned text grows to the right, a centred one to both sides alike. The
// room ends `gap` pixels before the next control on its row and `gap` pixels inside the frame of
// a group box around it.
Rect TextRoom(std::span<const ControlPlace> controls, std::size_t text, int textWidth, int gap, bool centred);

}  // namespace kalvora
