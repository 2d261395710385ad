// SPDX-License-Identifier: MIT
#include "calculators/electrical/conductor.h"

#include <gtest/gtest.h>

#include "calc/number_reader.h"
#include "tests/core/form_case.h"

namespace kalvora {
namespace {

INSTANTIATE_TEST_SUITE_P(
    ConductorResistance, FormCaseTest,
    testing::Values(FormCase{"conductor-resistance", {"měď 0.0175", "1.5", "100"}, {"1.16667"}},
                    FormCase{"conductor-resistance", {"0.1", "1", "10"}, {"1.00000"}},
                    FormCase{"conductor-resistance", {"měď 0.02", "1.5", "100"}, {"1.33333"}},
                    FormCase{"conductor-resistance", {"stříbro 0.016", "-2", "10"}, {"-0.08000"}},
                    // ρ·l first: 0.4725 / 0.8 lies just under the half; ρ·(l/S) lands on ...63.
                    FormCase{"conductor-resistance", {"měď 0.0175", "0.8", "27"}, {"0.59062"}},
                    // ρ·l overflows before the division; ρ·(l/S) would be 1e300.
                    FormCase{"conductor-resistance", {"1e300", "1e300", "1e300"}, {"inf"}},
                    FormCase{"conductor-resistance", {"", "1.5", "100"}, {}, &InputError()},
                    FormCase{"conductor-resistance", {"měď 0.0175", "0", "100"}, {}, &InputError()},
                    FormCase{"conductor-resistance", {"měď 0.0175", "1.5", ""}, {}, &InputError()}));

INSTANTIATE_TEST_SUITE_P(VoltageDrop, FormCaseTest,
                         testing::Values(FormCase{"voltage-drop", {"2", "0.35"}, {"0.70"}},
                                         FormCase{"voltage-drop", {"-2", "0.35"}, {"-0.70"}},
                                         FormCase{"voltage-drop", {"0", "0.35"}, {}, &InputError()},
                                         FormCase{"voltage-drop", {"2", "ohm"}, {}, &InputError()}));

TEST(ConductorMaterials, CarryTheirResistivityInTheText) {
    const std::vector<double> resistivity{0.016, 0.0175, 0.0285, 0.13, 0.2, 0.4, 0.5, 1.1};
    ASSERT_EQ(ConductorMaterials().size(), resistivity.size());
    for (std::size_t i = 0; i < resistivity.size(); ++i)
        EXPECT_EQ(ReadNumber(ConductorMaterials()[i]), resistivity[i]) << ConductorMaterials()[i];
    EXPECT_EQ(ConductorMaterials().front(), "stříbro 0.016");
    EXPECT_EQ(ConductorMaterials().back(), "cekas 1.1");
}

}  // namespace
}  // namespace kalvora
