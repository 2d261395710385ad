// SPDX-License-Identifier: MIT
#include "calc/catalogue.h"
#include "calculators/electrical/conductor.h"
#include "calculators/electrical/lighting.h"
#include "calculators/electrical/ohms_law.h"
#include "calculators/electrical/power.h"
#include "calculators/electrical/reactance.h"

namespace kalvora {

const std::vector<FormDefinition>& ElectricalForms() {
    static const std::vector<FormDefinition> forms{
        CurrentForm(),
        ResistanceForm(),
        VoltageForm(),
        CapacitorReactanceForm(),
        CoilReactanceForm(),
        TransformerForm(),
        ConductorResistanceForm(),
        VoltageDropForm(),
        FluorescentForBulbForm(),
        LuminousFluxForm(),
        InputPowerForm(),
        ActivePowerForm(),
    };
    return forms;
}

}  // namespace kalvora
