// SPDX-License-Identifier: MIT
#pragma once

#include "calc/form_definition.h"

namespace kalvora {

// The reactance of a capacitor and of a coil at a given frequency, and the secondary voltage of
// an ideal transformer.
FormDefinition CapacitorReactanceForm();
FormDefinition CoilReactanceForm();
FormDefinition TransformerForm();

}  // namespace kalvora
