// SPDX-License-Identifier: MIT
#include "calc/catalogue.h"
#include "calculators/thermal/wall.h"

namespace kalvora {

const std::vector<FormDefinition>& ThermalForms() {
    static const std::vector<FormDefinition> forms{WallThermalResistanceForm()};
    return forms;
}

}  // namespace kalvora
