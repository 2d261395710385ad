// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

#include "calc/outcome.h"
#include "model/program_state.h"

class QWidget;

namespace kalvora::platform {

using MessageButtons = BoxButtons;
using MessageAnswer = BoxAnswer;

// One message box as the program asks for it.
struct MessageBoxRequest {
    QWidget* owner = nullptr;  // nullptr: no owner, the program's other windows stay usable
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

using MessageBoxHandler = std::function<MessageAnswer(const MessageBoxRequest&)>;

// Shows a message box and returns at once, without waiting for the answer: `answered` gets the
// button the user chose when the box closes. With an owner the box is modal to the owner's
// window; without one every window stays usable. An owner not yet on screen (the main window
// being built) waits for the answer: the box comes first. Gives the box, or nullptr where it was
// answered before this returns (a handler set with SetMessageBoxHandler, or a waiting box).
QWidget* OpenMessageBox(const MessageBoxRequest& request, std::function<void(MessageAnswer)> answered);

// Replaces how message boxes are shown: the handler answers at once (tests record the boxes and
// answer them; unattended runs take the first button). An empty handler restores the real boxes.
void SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace kalvora::platform
