// SPDX-License-Identifier: MIT
#pragma once

#include "calc/form_spec.h"

namespace kalvora {

// The length of a half-wave dipole for a received frequency, with a sketch of the antenna.
FormSpec HalfWaveDipoleForm();

}  // namespace kalvora
