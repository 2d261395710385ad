// SPDX-License-Identifier: MIT
#pragma once

#include "calc/form_definition.h"

namespace kalvora {

// The length of a coaxial cable, shield to shield, that is a whole number of electrical
// half-waves and at least as long as wanted; its link label opens an article about such cables.
FormDefinition CoaxCableLengthForm();

}  // namespace kalvora
