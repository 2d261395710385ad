// SPDX-License-Identifier: MIT
// Which static text of a form names a result control, for screen readers.
#pragma once

#include "calc/form_definition.h"

namespace kalvora {

// The caption of a result control: the left-aligned static text that starts above the result and
// spans its left edge, nearest in height; failing that, one on its row to its left; else nullptr.
const ControlDefinition* ResultCaption(const FormDefinition& form, const ControlDefinition& result);

}  // namespace kalvora
