// SPDX-License-Identifier: MIT
#pragma once

#include "calc/form_spec.h"

namespace kalvora {

// The aerodynamic drag force on a moving body.
FormSpec AerodynamicDragForm();
// Archimedes' law: the buoyant force and the apparent weight of a submerged body.
FormSpec BuoyancyForm();

}  // namespace kalvora
