// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

#include "calc/form_definition.h"

namespace kalvora {

// The resistivity list of the conductor form, in the order it is filled: each item is the
// material and its resistivity in ohm mm² per metre, read back out of the text.
const std::vector<std::string_view>& ConductorMaterials();

// The resistance of a wire, R = ρ·l/S, and the voltage drop a current causes on it, ΔU = I·R.
FormDefinition ConductorResistanceForm();
FormDefinition VoltageDropForm();

}  // namespace kalvora
