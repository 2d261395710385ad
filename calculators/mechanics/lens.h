// SPDX-License-Identifier: MIT
#pragma once

#include "calc/form_spec.h"

namespace kalvora {

// The optical power of a thin lens in dioptres; its OK and Storno carry the ids 226 and 227.
FormSpec LensPowerForm();

}  // namespace kalvora
