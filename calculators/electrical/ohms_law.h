// SPDX-License-Identifier: MIT
#pragma once

#include "calc/form_spec.h"

namespace kalvora {

FormSpec CurrentForm();
FormSpec ResistanceForm();
FormSpec VoltageForm();

// Template 185 of the resistance form; the free-fall form relabels it.
DialogTemplate ResistanceTemplate();

}  // namespace kalvora
