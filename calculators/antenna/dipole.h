// SPDX-License-Identifier: MIT
#pragma once

#include "calc/form_definition.h"

namespace kalvora {

// The length of a half-wave dipole for a received frequency, with a sketch of the antenna.
FormDefinition HalfWaveDipoleForm();

}  // namespace kalvora
