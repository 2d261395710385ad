// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "calc/form_definition.h"

namespace kalvora {

// Creates the form `form` as a child of the main window's client area (Registry().client),
// places it at x 190 from y 43 to 17 pixels above the bottom, records it in its registry slot
// and as the active calculator, and shows it. Callers run DestroyCalculators() first.
QWidget* OpenForm(const FormDefinition& form);

}  // namespace kalvora
