// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "calc/catalogue.h"
#include "tests/core/form_case.h"

namespace kalvora {
namespace {

// Newton: F = ((m1 * m2) * G) / (r * r) with G = 6.67e-11, written "%.2e" with a three-digit exponent.
INSTANTIATE_TEST_SUITE_P(
    GravitationLaw, FormCaseTest,
    testing::Values(
        // The presets as the lists offer them: Earth, Moon and their distance.
        FormCase{"gravitation-law", {"Země 6e24", "Měsíc 7.5e22", "Země Měsíc 3.8e8"}, {"2.08e+020"}},
        // Sun and Earth: 1.2e55 * 6.67e-11 / 2.25e22 = 3.5573e22.
        FormCase{"gravitation-law", {"Slunce 2e30", "Země 6e24", "Slunce Země 1.5e11"}, {"3.56e+022"}},
        FormCase{"gravitation-law", {"1", "1", "1"}, {"6.67e-011"}},
        FormCase{"gravitation-law", {"-6e24", "7.5e22", "3.8e8"}, {"-2.08e+020"}},
        FormCase{"gravitation-law", {"6e24", "7.5e22", "-3.8e8"}, {"2.08e+020"}},
        // m1 * m2 overflows before G scales it down (G first would give 6.67e+099).
        FormCase{"gravitation-law", {"1e300", "1e10", "1e100"}, {"inf"}},
        // r * r overflows, so the force is 0 (dividing by r twice would give 6.67e-111).
        FormCase{"gravitation-law", {"1e150", "1e150", "1e200"}, {"0.00e+000"}},
        // Every input is tested for zero; a text without digits reads as zero.
        FormCase{"gravitation-law", {"abc", "Měsíc 7.5e22", "Země Měsíc 3.8e8"}, {}, &InputError()},
        FormCase{"gravitation-law", {"Země 6e24", "0", "Země Měsíc 3.8e8"}, {}, &InputError()},
        FormCase{"gravitation-law", {"Země 6e24", "Měsíc 7.5e22", ""}, {}, &InputError()},
        FormCase{"gravitation-law", {"-0", "", "abc"}, {}, &InputError()}));

// g = (G * M) / (r * r), "%.5f".
INSTANTIATE_TEST_SUITE_P(
    GravitationalAcceleration, FormCaseTest,
    testing::Values(FormCase{"gravitational-acceleration", {"6e24", "6.378e6"}, {"9.83803"}},
                    FormCase{"gravitational-acceleration", {"7.5e22", "1.737e6"}, {"1.65801"}},
                    // G * (M / (r * r)) would round to 1.21727.
                    FormCase{"gravitational-acceleration", {"7.3e20", "2e5"}, {"1.21728"}},
                    FormCase{"gravitational-acceleration", {"6e24", "-6.378e6"}, {"9.83803"}},
                    FormCase{"gravitational-acceleration", {"0", "6.378e6"}, {}, &InputError()},
                    FormCase{"gravitational-acceleration", {"6e24", "-0"}, {}, &InputError()},
                    FormCase{"gravitational-acceleration", {"6e24", ""}, {}, &InputError()}));

// s = ((t * t) * g) * 0.5 with the inputs read as g, then t; "%.3f".
INSTANTIATE_TEST_SUITE_P(
    FreeFall, FormCaseTest,
    testing::Values(FormCase{"free-fall", {"9.81", "2"}, {"19.620"}}, FormCase{"free-fall", {"9.81", "-2"}, {"19.620"}},
                    // 0.5 * g * t * t would round to 0.608 and 0.145.
                    FormCase{"free-fall", {"0.06", "4.5"}, {"0.607"}}, FormCase{"free-fall", {"0.1", "1.7"}, {"0.144"}},
                    // t * t overflows first (g * 0.5 * t * t would stay finite).
                    FormCase{"free-fall", {"1e-200", "1e200"}, {"inf"}},
                    FormCase{"free-fall", {"9.81", "0"}, {}, &InputError()},
                    FormCase{"free-fall", {"", "2"}, {}, &InputError()}));

}  // namespace
}  // namespace kalvora
