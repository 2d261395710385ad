// SPDX-License-Identifier: MIT
// The display scale a window is drawn at, read from Windows in the way each version offers it.
#pragma once

#include <windows.h>

namespace kalvora::win32 {

// The DPI of the display `window` lies on: GetDpiForWindow where Windows has it (10, version
// 1607 on), else GetDpiForMonitor (8.1), else the system's DPI (7); 96 when nothing answers.
int WindowDpi(HWND window);
// The system's DPI from the screen's device context (the scale every window starts at on 7).
int SystemDpi();
// A pixel length at 96 DPI as it is at `dpi` (the model's scaling rule).
int Px(int pixels, int dpi);

}  // namespace kalvora::win32
