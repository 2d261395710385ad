// SPDX-License-Identifier: MIT
// The main window: its class, menu, status bar, memory gauge, layout and commands.
#pragma once

#include <windows.h>

#include "model/geometry.h"

namespace kalvora::win32 {

bool RegisterMainClass(HINSTANCE instance);
// Creates the main window at `outer` with its menu and toolbar (from the view's strip, or without
// pictures), then the status bar, the memory gauge showing `gaugePosition` and the timer; null
// when the main window itself could not be made.
HWND CreateMainWindow(HINSTANCE instance, const Rect& outer, int gaugePosition);
// Makes the toolbar again and gives the status bar its font and parts at the view's scale.
void RescaleMainWindowBars();
// Fills the topics menu with the labels of the panel on screen.
void RebuildTopicsMenu();

}  // namespace kalvora::win32
