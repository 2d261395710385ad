// SPDX-License-Identifier: MIT
// Pictures drawn at the display's scale from their plain or double-size drawing.
#pragma once

#include <windows.h>

namespace kalvora::win32 {

// The size of a bitmap; 0 x 0 for a null or unreadable one.
SIZE BitmapSize(HBITMAP bitmap);
// Draws `source` (all of it) into `target` at (x, y) with the size `width` x `height`: halftone
// filtering when the size changes by a factor that is not whole, so that shrinking a double-size
// drawing keeps thin lines, and plain pixel copies for whole factors. False when nothing was drawn.
bool DrawScaled(HDC target, int x, int y, int width, int height, HBITMAP source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight);

}  // namespace kalvora::win32
