// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "tests/core/form_case.h"

namespace kalvora {
namespace {

// 2π is taken as 6.28: 50 Hz and 1 µF give 3184.71338 Ω, not 3183.09886.
INSTANTIATE_TEST_SUITE_P(
    CapacitorReactance, FormCaseTest,
    testing::Values(FormCase{"capacitor-reactance", {"50", "1e-6"}, {"3184.71338"}},
                    FormCase{"capacitor-reactance", {"1000", "1e-6"}, {"159.23567"}},
                    FormCase{"capacitor-reactance", {"-50", "1e-6"}, {"-3184.71338"}},
                    // ((6.28·f)·C) rounds differently from 6.28·(f·C), which would give ...82000.
                    FormCase{"capacitor-reactance", {"60", "1e-16"}, {"26539278131634.81600"}},
                    // 6.28·f overflows first, so the reactance is 1/inf, not 1/6.28.
                    FormCase{"capacitor-reactance", {"1e308", "1e-308"}, {"0.00000"}},
                    FormCase{"capacitor-reactance", {"0", "1e-6"}, {}, &InputError()},
                    FormCase{"capacitor-reactance", {"50", ""}, {}, &InputError()},
                    FormCase{"capacitor-reactance", {"f", "C"}, {}, &InputError()}));

INSTANTIATE_TEST_SUITE_P(
    CoilReactance, FormCaseTest,
    testing::Values(FormCase{"coil-reactance", {"50", "0.1"}, {"31.40000"}},
                    FormCase{"coil-reactance", {"1000", "0.01"}, {"62.80000"}},
                    // 6.28·f overflows before L scales it down; 6.28·(f·L) would be finite.
                    FormCase{"coil-reactance", {"1e308", "0.1"}, {"inf"}},
                    FormCase{"coil-reactance", {"", "0.1"}, {}, &InputError()},
                    FormCase{"coil-reactance", {"50", "-0"}, {}, &InputError()}));

INSTANTIATE_TEST_SUITE_P(
    Transformer, FormCaseTest,
    testing::Values(FormCase{"transformer", {"1000", "50", "230"}, {"12"}},  // 11.5 away from zero
                    FormCase{"transformer", {"230", "24", "230"}, {"24"}},
                    // (N2·U1)/N1 is exactly 1004.5; (N2/N1)·U1 falls just short of it.
                    FormCase{"transformer", {"30", "123", "245"}, {"1005"}},
                    FormCase{"transformer", {"3", "35", "0.3"}, {"4"}},
                    // N2·U1 overflows before the division; N2·(U1/N1) would be 1e100.
                    FormCase{"transformer", {"1e300", "1e200", "1e200"}, {"inf"}},
                    FormCase{"transformer", {"0", "abc", ""}, {}, &InputError()},
                    FormCase{"transformer", {"1000", "abc", "230"}, {}, &InputError()},
                    FormCase{"transformer", {"1000", "50", ""}, {}, &InputError()},
                    FormCase{"transformer", {"1000", "50"}, {}, &InputError()}));

}  // namespace
}  // namespace kalvora
