// SPDX-License-Identifier: MIT
#pragma once

#include "calc/form_definition.h"

namespace kalvora {

// Newton's law of gravitation: the force between two bodies, from three editable preset lists.
FormDefinition GravitationLawForm();
// Gravitational acceleration at a distance from the centre of a body.
FormDefinition GravitationalAccelerationForm();
// Free fall: the distance fallen in a given time, on the resistance form's template relabelled.
FormDefinition FreeFallForm();

}  // namespace kalvora
