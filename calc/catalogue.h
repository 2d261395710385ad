// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "calc/form_spec.h"

namespace kalvora {

// Each field's forms, in the order the command line lists them.
const std::vector<FormSpec>& ElectricalForms();
const std::vector<FormSpec>& ThermalForms();
const std::vector<FormSpec>& MechanicsForms();  // mechanics, optics, gases and liquids
const std::vector<FormSpec>& AntennaForms();

// All 22 forms: electrical, thermal, mechanics/optics/gases and liquids, antennas.
std::span<const FormSpec* const> Catalogue();

// The form with this command-line slug, or nullptr.
const FormSpec* FindForm(std::string_view slug);

}  // namespace kalvora
