// SPDX-License-Identifier: MIT
// The one window procedure of every form: a modeless child dialog realised from the core's
// template, driven by its FormDefinition.
#pragma once

#include <windows.h>

#include "model/program_state.h"
#include "view.h"

namespace kalvora::win32 {

// Creates the form of `slot` at its creation place in the main window's client area.
FormWindow CreateFormWindow(int slot, const FormInstance& form);
// Writes the texts and list items of the model's state that changed since they were last written.
void SyncFormControls(FormWindow& window, const FormInstance& form);
// Puts the form where a newly created form stands (from y 43, client height less 60).
void PlaceAtCreation(HWND form);

}  // namespace kalvora::win32
