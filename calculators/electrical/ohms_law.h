// SPDX-License-Identifier: MIT
#pragma once

#include "calc/form_definition.h"

namespace kalvora {

FormDefinition CurrentForm();
FormDefinition ResistanceForm();
FormDefinition VoltageForm();

// Template 185 of the resistance form; the free-fall form relabels it.
DialogTemplate ResistanceTemplate();

}  // namespace kalvora
