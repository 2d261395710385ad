// SPDX-License-Identifier: MIT
#include "calc/catalogue.h"
#include "calculators/thermal/wall.h"

namespace kalvora {

const std::vector<FormSpec>& ThermalForms() {
    static const std::vector<FormSpec> forms{WallThermalResistanceForm()};
    return forms;
}

}  // namespace kalvora
