// SPDX-License-Identifier: MIT
#include "calc/catalogue.h"
#include "calculators/electrical/ohms_law.h"

namespace kalvora {

const std::vector<FormSpec>& ElectricalForms() {
    static const std::vector<FormSpec> forms{CurrentForm(), ResistanceForm(), VoltageForm()};
    return forms;
}

}  // namespace kalvora
