// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "calc/form_definition.h"

namespace kalvora {

// Each field's forms, in the order the command line lists them.
const std::vector<FormDefinition>& ElectricalForms();
const std::vector<FormDefinition>& ThermalForms();
const std::vector<FormDefinition>& MechanicsForms();  // mechanics, optics, gases and liquids
const std::vector<FormDefinition>& AntennaForms();

// All 22 forms: electrical, thermal, mechanics/optics/gases and liquids, antennas.
std::span<const FormDefinition* const> Catalogue();

// The form with this command-line slug, or nullptr.
const FormDefinition* FindForm(std::string_view slug);

}  // namespace kalvora
