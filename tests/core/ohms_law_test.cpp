// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "calc/catalogue.h"
#include "tests/core/form_case.h"

namespace kalvora {
namespace {

INSTANTIATE_TEST_SUITE_P(
    OhmsLaw, FormCaseTest,
    testing::Values(
        FormCase{"current", {"12", "3"}, {"4.00000"}}, FormCase{"current", {"1", "3"}, {"0.33333"}},
        FormCase{"current", {"2", "3"}, {"0.66667"}}, FormCase{"current", {"-12", "4"}, {"-3.00000"}},
        FormCase{"current", {"-12", "3"}, {"-4.00000"}}, FormCase{"current", {"1", "1e7"}, {"0.00000"}},
        FormCase{"current", {"-1", "1e7"}, {"-0.00000"}}, FormCase{"current", {"12 V", "U=3"}, {"4.00000"}},
        // A leading point and a decimal comma both mark the decimals.
        FormCase{"current", {".5", "1"}, {"0.50000"}}, FormCase{"current", {"1,5", "1"}, {"1.50000"}},
        FormCase{"current", {"0,0", "1"}, {}, &InputError()},
        FormCase{"resistance", {"230", "0.5"}, {"460.00000"}},
        FormCase{"voltage", {"0.02", "470"}, {"9.40000"}}, FormCase{"voltage", {"1e200", "1e200"}, {"inf"}},
        FormCase{"current", {"", "3"}, {}, &InputError()},
        FormCase{"current", {"12", "0"}, {}, &InputError()},
        FormCase{"current", {"abc", "3"}, {}, &InputError()},
        FormCase{"current", {"-0", "3"}, {}, &InputError()},
        FormCase{"resistance", {"--3", "2"}, {}, &InputError()},
        FormCase{"voltage", {"2", ""}, {}, &InputError()}));

}  // namespace
}  // namespace kalvora
