// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

class QWidget;

namespace kalvora {

// Places the top-level `window` so that its outer rectangle, frame included, is `outer`, as soon
// as the window system tells its frame: at once where the frame is known before the window is
// shown (Windows), else (X11: the window manager frames the window when it is mapped) when the
// frame appears, which is before the window's first paint. This happens once, at start-up:
// later moves and resizes, the user's among them, are left alone, and a frame that has not
// appeared half a minute after the window was shown (no window manager) is not waited for.
void GiveOuterGeometry(QWidget* window, QRect outer);

}  // namespace kalvora
