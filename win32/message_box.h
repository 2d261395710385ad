// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "model/program_state.h"

namespace kalvora::win32 {

// Shows the system message box for `box` owned by `owner` (null: no owner, every window stays
// usable) and returns the answer. The Yes and No buttons read "Ano" and "Ne" whatever the
// language of Windows, as every other text of the program is Czech.
BoxAnswer ShowMessageBox(HWND owner, const WaitingBox& box);

}  // namespace kalvora::win32
