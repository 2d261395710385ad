// SPDX-License-Identifier: MIT
// What Enter and Esc do in the message boxes and the help window, for every view alike.
#pragma once

#include <optional>

#include "model/program_state.h"

namespace kalvora {

enum class HelpWindowKey { Enter, Escape };

// What Esc answers in a message box: OK in a box with OK alone; a Yes/No question wants one of
// its buttons, so Esc leaves it waiting. (Enter presses the focused button, which the view knows.)
std::optional<BoxAnswer> EscapeAnswer(BoxButtons buttons);

// Whether a key closes the help window: Enter presses its OK, its only button; Esc does not
// close it (the window has no cancel button).
bool HelpWindowClosesOn(HelpWindowKey key);

}  // namespace kalvora
