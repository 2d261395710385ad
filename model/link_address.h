// SPDX-License-Identifier: MIT
// Where a form's link label leads: the one rule the model's click and every view's link share.
#pragma once

#include <string_view>

#include "calc/form_definition.h"

namespace kalvora {

// The address that clicking this control of the form opens; empty for a control that opens none.
std::string_view LinkAddress(const FormDefinition& form, const ControlDefinition& control);

}  // namespace kalvora
