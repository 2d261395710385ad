// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string_view>

#include "calc/form_definition.h"

namespace kalvora {

// The form a panel label opens: the catalogue's form of `field` whose painted title is `title`,
// or nullptr while that form is not in the catalogue.
const FormDefinition* LookupForm(Field field, std::string_view title);

using FormLookup = std::function<const FormDefinition*(Field field, std::string_view title)>;

// Replaces how panel labels find their forms (tests supply forms of their own); an empty
// function restores the catalogue.
void SetFormLookup(FormLookup lookup);

}  // namespace kalvora
