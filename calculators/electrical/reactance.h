// SPDX-License-Identifier: MIT
#pragma once

#include "calc/form_spec.h"

namespace kalvora {

// The reactance of a capacitor and of a coil at a given frequency, and the secondary voltage of
// an ideal transformer.
FormSpec CapacitorReactanceForm();
FormSpec CoilReactanceForm();
FormSpec TransformerForm();

}  // namespace kalvora
