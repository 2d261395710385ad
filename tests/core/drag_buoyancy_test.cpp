// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "calc/catalogue.h"
#include "tests/core/form_case.h"

namespace kalvora {
namespace {

// F = ((((0.5 * C) * rho) * S) * v) * v, "%.3f"; inputs C, rho, S, v.
INSTANTIATE_TEST_SUITE_P(
    AerodynamicDrag, FormCaseTest,
    testing::Values(FormCase{"aerodynamic-drag", {"automobil 0.3", "vzduch 1.3", "2", "30"}, {"351.000"}},
                    FormCase{"aerodynamic-drag", {"automobil 0.3", "vzduch 1.3", "2", "-30"}, {"351.000"}},
                    // Squaring v first would give 0.878 and 11.056.
                    FormCase{"aerodynamic-drag", {"automobil 0.3", "vzduch 1.3", "0.5", "3"}, {"0.877"}},
                    FormCase{"aerodynamic-drag", {"automobil 0.3", "vzduch 1.3", "0.7", "9"}, {"11.057"}},
                    FormCase{"aerodynamic-drag", {"automobil", "vzduch 1.3", "2", "30"}, {}, &InputError()},
                    FormCase{"aerodynamic-drag", {"automobil 0.3", "0", "2", "30"}, {}, &InputError()},
                    FormCase{"aerodynamic-drag", {"automobil 0.3", "vzduch 1.3", "", "30"}, {}, &InputError()},
                    FormCase{"aerodynamic-drag", {"automobil 0.3", "vzduch 1.3", "2", "-0"}, {}, &InputError()}));

// Inputs V, rho body, g, Vd, rho liquid; results Fb = (Vd * rho liquid) * g and
// W = (V * rho body) - (Vd * rho liquid), both "%.3f".
INSTANTIATE_TEST_SUITE_P(
    Buoyancy, FormCaseTest,
    testing::Values(FormCase{"buoyancy", {"0.002", "7800", "9.81", "0.002", "voda 1000"}, {"19.620", "13.600"}},
                    FormCase{"buoyancy", {"0.002", "500", "9.81", "0.002", "voda 1000"}, {"19.620", "-1.000"}},
                    // Vd * (rho * g) would give 20.111.
                    FormCase{"buoyancy", {"0.002", "7800", "9.81", "0.002", "1025"}, {"20.110", "13.550"}},
                    // Both products are rounded before the subtraction; a fused multiply-add gives -0.000.
                    FormCase{"buoyancy", {"0.026", "500", "9.81", "0.013", "voda 1000"}, {"127.530", "0.000"}},
                    // g must not be zero although W does not use it.
                    FormCase{"buoyancy", {"0.002", "7800", "0", "0.002", "voda 1000"}, {}, &InputError()},
                    FormCase{"buoyancy", {"", "7800", "9.81", "0.002", "voda 1000"}, {}, &InputError()},
                    FormCase{"buoyancy", {"0.002", "abc", "9.81", "0.002", "voda 1000"}, {}, &InputError()},
                    FormCase{"buoyancy", {"0.002", "7800", "9.81", "-0", "voda 1000"}, {}, &InputError()},
                    FormCase{"buoyancy", {"0.002", "7800", "9.81", "0.002", "voda"}, {}, &InputError()}));

}  // namespace
}  // namespace kalvora
