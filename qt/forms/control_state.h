// SPDX-License-Identifier: MIT
#pragma once

#include "model/program_state.h"

class QWidget;

namespace kalvora {

// Makes `widget`, a realised template control, show `state`: a drop-down list gets exactly the
// items in that order, and the text of an edit, a list's field, a static text, a group box or a
// button becomes the state's text. Only what differs is set, so the text and caret of a field
// the user is typing in stay as they are; new items never change what a list's field shows.
void ShowControlState(QWidget& widget, const ControlState& state);

}  // namespace kalvora
