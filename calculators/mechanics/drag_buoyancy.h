// SPDX-License-Identifier: MIT
#pragma once

#include "calc/form_definition.h"

namespace kalvora {

// The aerodynamic drag force on a moving body.
FormDefinition AerodynamicDragForm();
// Archimedes' law: the buoyant force and the apparent weight of a submerged body.
FormDefinition BuoyancyForm();

}  // namespace kalvora
