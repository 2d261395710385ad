// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

#include "calc/form_definition.h"

namespace kalvora {

// The power-factor list of the active-power form, in the order it is filled ("0.1" to "0.9").
const std::vector<std::string_view>& PowerFactors();

// The input power of an appliance, P = I · U, and the active power with an inductive load,
// P = (cos φ · I) · U.
FormDefinition InputPowerForm();
FormDefinition ActivePowerForm();

}  // namespace kalvora
