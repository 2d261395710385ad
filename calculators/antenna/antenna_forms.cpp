// SPDX-License-Identifier: MIT
#include "calc/catalogue.h"
#include "calculators/antenna/coax.h"
#include "calculators/antenna/dipole.h"

namespace kalvora {

const std::vector<FormDefinition>& AntennaForms() {
    static const std::vector<FormDefinition> forms{HalfWaveDipoleForm(), CoaxCableLengthForm()};
    return forms;
}

}  // namespace kalvora
