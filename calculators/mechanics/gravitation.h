// SPDX-License-Identifier: MIT
#pragma once

#include "calc/form_spec.h"

namespace kalvora {

// Newton's law of gravitation: the force between two bodies, from three editable preset lists.
FormSpec GravitationLawForm();
// Gravitational acceleration at a distance from the centre of a body.
FormSpec GravitationalAccelerationForm();
// Free fall: the distance fallen in a given time, on the resistance form's template relabelled.
FormSpec FreeFallForm();

}  // namespace kalvora
