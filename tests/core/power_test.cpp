// SPDX-License-Identifier: MIT
#include "calculators/electrical/power.h"

#include <gtest/gtest.h>

#include "calc/number_reader.h"
#include "tests/core/form_case.h"

namespace kalvora {
namespace {

INSTANTIATE_TEST_SUITE_P(InputPower, FormCaseTest,
                         testing::Values(FormCase{"input-power", {"0.5", "230"}, {"115.00000"}},
                                         FormCase{"input-power", {"2.5", "230"}, {"575.00000"}},
                                         FormCase{"input-power", {"", "230"}, {}, &InputError()},
                                         FormCase{"input-power", {"2.5", "0"}, {}, &InputError()}));

INSTANTIATE_TEST_SUITE_P(
    ActivePower, FormCaseTest,
    testing::Values(FormCase{"active-power", {"0.8", "2", "230"}, {"368.00"}},
                    FormCase{"active-power", {"0.7", "3.3", "231"}, {"533.61"}},
                    FormCase{"active-power", {"0.85", "2", "230"}, {"391.00"}},
                    FormCase{"active-power", {"0.1", "0.005", "1"}, {"0.00"}},
                    // cos φ · I first: 0.003 · 115 rounds up to 0.35; 0.1 · 3.45 would give 0.34.
                    FormCase{"active-power", {"0.1", "0.03", "115"}, {"0.35"}},
                    // cos φ · I overflows before U scales it down; cos φ · (I · U) would be 1e300.
                    FormCase{"active-power", {"1e300", "1e300", "1e-300"}, {"inf"}},
                    FormCase{"active-power", {"", "2", "230"}, {}, &InputError()},
                    FormCase{"active-power", {"0,8", "2", "230"}, {"368.00"}},
                    FormCase{"active-power", {"0.8", "", "230"}, {}, &InputError()},
                    FormCase{"active-power", {"0.8", "2", "0"}, {}, &InputError()}));

TEST(PowerFactors, AreTenthsFromOneToNine) {
    ASSERT_EQ(PowerFactors().size(), 9u);
    for (std::size_t i = 0; i < PowerFactors().size(); ++i)
        EXPECT_EQ(ReadNumber(PowerFactors()[i]), (i + 1) / 10.0) << PowerFactors()[i];
}

}  // namespace
}  // namespace kalvora
