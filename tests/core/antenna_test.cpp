// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "calc/catalogue.h"
#include "tests/core/form_case.h"

namespace kalvora {
namespace {

// L = 3e8 / (f * 1e6) / 2, "%.3f".
INSTANTIATE_TEST_SUITE_P(HalfWaveDipole, FormCaseTest,
                         testing::Values(FormCase{"half-wave-dipole", {"27"}, {"5.556"}},
                                         FormCase{"half-wave-dipole", {"145"}, {"1.034"}},
                                         FormCase{"half-wave-dipole", {"100"}, {"1.500"}},
                                         FormCase{"half-wave-dipole", {"-27"}, {"-5.556"}},
                                         FormCase{"half-wave-dipole", {"0"}, {}, &InputError()},
                                         FormCase{"half-wave-dipole", {"MHz"}, {}, &InputError()}));

// h = 3e8 / (f * 1e6) / 2 * v; L = h * ceil(w / h), at least h; "%.4f". Inputs f, v, w.
INSTANTIATE_TEST_SUITE_P(
    CoaxCableLength, FormCaseTest,
    testing::Values(
        // Three half-waves of 3.6667 m.
        FormCase{"coax-cable-length", {"27", "0.66", "10"}, {"11.0000"}},
        // Eight half-waves of 0.68276 m.
        FormCase{"coax-cable-length", {"145", "0.66", "5"}, {"5.4621"}},
        // Below one half-wave, and negative: one half-wave.
        FormCase{"coax-cable-length", {"27", "0.66", "1"}, {"3.6667"}},
        FormCase{"coax-cable-length", {"27", "0.66", "-5"}, {"3.6667"}},
        FormCase{"coax-cable-length", {"27", "0.66", "-1"}, {"3.6667"}},
        // An exact multiple of a half-wave that is exact in doubles, and one just above a half-wave.
        FormCase{"coax-cable-length", {"150", "1", "3"}, {"3.0000"}},
        FormCase{"coax-cable-length", {"27", "0.66", "3.6667"}, {"7.3333"}},
        // 150 * 0.82 comes out just below 123, so 123 m is a little more than one half-wave
        // ((3e8 * v) / (f * 1e6 * 2) would give exactly one).
        FormCase{"coax-cable-length", {"1", "0.82", "123"}, {"246.0000"}},
        // A negative frequency gives a negative half-wave; ceil(10 / -3.6667) = -2.
        FormCase{"coax-cable-length", {"-27", "0.66", "10"}, {"7.3333"}},
        FormCase{"coax-cable-length", {"0", "0.66", "10"}, {}, &InputError()},
        FormCase{"coax-cable-length", {"27", "", "10"}, {}, &InputError()},
        FormCase{"coax-cable-length", {"27", "0.66", "-0"}, {}, &InputError()}));

}  // namespace
}  // namespace kalvora
