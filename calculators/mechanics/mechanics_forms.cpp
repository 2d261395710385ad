// SPDX-License-Identifier: MIT
#include "calc/catalogue.h"
#include "calculators/mechanics/drag_buoyancy.h"
#include "calculators/mechanics/gravitation.h"
#include "calculators/mechanics/lens.h"
#include "calculators/mechanics/liquid_mixing.h"

namespace kalvora {

const std::vector<FormDefinition>& MechanicsForms() {
    static const std::vector<FormDefinition> forms{
        GravitationLawForm(), GravitationalAccelerationForm(), FreeFallForm(),   // mechanics
        LensPowerForm(),                                                         // optics
        AerodynamicDragForm(), BuoyancyForm(), LiquidMixingForm(),               // gases and liquids
    };
    return forms;
}

}  // namespace kalvora
