// SPDX-License-Identifier: MIT
// The one window procedure of every topic panel, driven by the panel's data.
#pragma once

#include <windows.h>

#include "calc/form_definition.h"

namespace kalvora::win32 {

HWND CreatePanelWindow(Field field);

}  // namespace kalvora::win32
