// SPDX-License-Identifier: MIT
#pragma once

#include "calc/form_definition.h"

namespace kalvora {

// The optical power of a thin lens in dioptres; its OK and Storno carry the ids 226 and 227.
FormDefinition LensPowerForm();

}  // namespace kalvora
