// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

#include "calc/form_definition.h"

namespace kalvora {

// The lamp list of the luminous-flux form, in the order it is filled: each item is the lamp type,
// its efficacy in lumens per watt (read back out of the text) and a trailing blank.
const std::vector<std::string_view>& LampTypes();

// The fluorescent lamp that replaces a bulb of a given power, and the luminous flux of a lamp.
FormDefinition FluorescentForBulbForm();
FormDefinition LuminousFluxForm();

}  // namespace kalvora
