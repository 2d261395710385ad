// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

#include "calc/form_definition.h"

namespace kalvora {

// The building materials of the wall form, in the order they are added (the list shows them
// sorted): each item is the material and its thermal conductivity λ in W/(m·K), read back out of
// the text.
const std::vector<std::string_view>& WallMaterials();

// The thermal resistance of one wall layer, R = d / λ.
FormDefinition WallThermalResistanceForm();

}  // namespace kalvora
