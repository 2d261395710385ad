// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

#include "calc/outcome.h"

class QWidget;

namespace kalvora::platform {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// One message box as the program asks for it.
struct MessageBoxRequest {
    QWidget* owner = nullptr;  // nullptr: no owner, the program's other windows stay usable
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

using MessageBoxHandler = std::function<MessageAnswer(const MessageBoxRequest&)>;

// Shows a message box and returns the button the user chose. With an owner the box is modal to
// the owner's window; without one it blocks only the caller, and every window stays usable.
MessageAnswer ShowMessageBox(const MessageBoxRequest& request);

// Shows a form's message (see calc/outcome.h) with `form` as owner when the message wants one.
void ShowFormMessage(QWidget* form, const Message& message);

// Replaces how message boxes are shown (tests record them instead of blocking on them).
// An empty handler restores the real boxes.
void SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace kalvora::platform
