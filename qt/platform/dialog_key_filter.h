// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace kalvora::platform {

enum class WindowKey { Enter, Escape };

// Hands Enter and Esc (without modifiers) in one of the program's own windows (the help window,
// a message box) to the program instead of letting the toolkit decide, whichever of the window's
// controls has the focus. The handler says whether it took the key; a key it leaves goes on as
// usual. The filter lives as long as the window.
void ForwardWindowKeys(QWidget* window, std::function<bool(WindowKey)> handler);

}  // namespace kalvora::platform
