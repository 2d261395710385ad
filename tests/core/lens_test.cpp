// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "calc/catalogue.h"
#include "tests/core/form_case.h"

namespace kalvora {
namespace {

// D = ((nL / nS) - 1) * ((1 / r1) + (1 / r2)), "%.3f"; inputs nL, nS, r1, r2.
INSTANTIATE_TEST_SUITE_P(
    LensPower, FormCaseTest,
    testing::Values(FormCase{"lens-power", {"sklo 1.5", "vzduch 1", "0.1", "0.1"}, {"10.000"}},
                    FormCase{"lens-power", {"sklo 1.5", "vzduch 1", "0.1", "-0.1"}, {"0.000"}},
                    FormCase{"lens-power", {"sklo 1.5", "vzduch 1", "-0.1", "-0.1"}, {"-10.000"}},
                    // A leading point is the decimal point: .5 reads as 0.5, like 0.5 and 0,5.
                    FormCase{"lens-power", {"sklo 1.5", "vzduch 1", ".5", ",5"}, {"2.000"}},
                    FormCase{"lens-power", {"sklo 1.5", "vzduch 1", "0.5", "0.5"}, {"2.000"}},
                    // Equal indices are no error.
                    FormCase{"lens-power", {"1.5", "1.5", "0.1", "0.2"}, {"0.000"}},
                    // 0.5 * 5.625 = 2.8125 exactly; (nL - nS) / nS * (r1 + r2) / (r1 * r2) gives 2.812.
                    FormCase{"lens-power", {"sklo 1.5", "vzduch 1", "0.2", "1.6"}, {"2.813"}},
                    FormCase{"lens-power", {"", "vzduch 1", "0.1", "0.1"}, {}, &InputError()},
                    FormCase{"lens-power", {"sklo 1.5", "vzduch", "0.1", "0.1"}, {}, &InputError()},
                    FormCase{"lens-power", {"sklo 1.5", "vzduch 1", "0", "0.1"}, {}, &InputError()},
                    FormCase{"lens-power", {"sklo 1.5", "vzduch 1", "0.1", "-0"}, {}, &InputError()}));

}  // namespace
}  // namespace kalvora
