// SPDX-License-Identifier: MIT
#include "model/dialog_keys.h"

#include <algorithm>

#include "model/program.h"

namespace kalvora {

std::optional<BoxAnswer> EscapeAnswer(BoxButtons buttons) {
    if (buttons == BoxButtons::Ok) return BoxAnswer::Ok;
    return std::nullopt;
}

bool HelpWindowClosesOn(HelpWindowKey key) {
    return key == HelpWindowKey::Enter;
}

void Program::PressEscapeInBox(int boxId) {
    const auto box = std::find_if(state_.boxes.begin(), state_.boxes.end(),
                                  [boxId](const WaitingBox& b) { return b.id == boxId; });
    if (box == state_.boxes.end()) return;
    if (const std::optional<BoxAnswer> answer = EscapeAnswer(box->buttons)) Answer(boxId, *answer);
}

void Program::PressKeyInHelpWindow(HelpWindowKey key) {
    if (state_.helpWindowOpen && HelpWindowClosesOn(key)) CloseHelpWindow();
}

}  // namespace kalvora
