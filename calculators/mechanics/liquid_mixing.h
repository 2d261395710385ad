// SPDX-License-Identifier: MIT
#pragma once

#include "calc/form_definition.h"

namespace kalvora {

// Mixing liquids: the litres of a second liquid to add so that the mixture reaches a wanted
// temperature or concentration, and the total volume. Its own reading, checks and messages.
FormDefinition LiquidMixingForm();

}  // namespace kalvora
