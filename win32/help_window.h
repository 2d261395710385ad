// SPDX-License-Identifier: MIT
// The help window "Nápověda k tématu": the picture HelpBitmapId names, centred in its frame.
#pragma once

#include <windows.h>

namespace kalvora::win32 {

HWND CreateHelpWindow();
// Brings the help window to the front and draws its picture anew.
void RaiseHelpWindow(HWND help);

}  // namespace kalvora::win32
