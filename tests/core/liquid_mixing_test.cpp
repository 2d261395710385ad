// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "calc/catalogue.h"
#include "tests/core/form_case.h"

namespace kalvora {
namespace {

// Inputs V0, T0, Tt, Ta; results {litres to add, total}, each "%.2f".
FormCase Mix(std::vector<std::string> texts, std::string litresToAdd, std::string total) {
    return FormCase{"liquid-mixing", std::move(texts), {std::move(litresToAdd), std::move(total)}};
}

FormCase Refused(std::vector<std::string> texts, Message message) {
    return FormCase{"liquid-mixing", std::move(texts), {}, nullptr, message};
}

Message EmptyField(std::string_view caption) {
    return {caption, "Zadána neplatná hodnota", MessageIcon::Exclamation, MessageOwner::None};
}

const Message kCannotRaise{"Error", "Nelze zýšit koncentraci ředěním,\nnebo zvýšit teplotu chlazením",
                           MessageIcon::None, MessageOwner::None};
const Message kCannotLower{"Error", "Nelze snížit koncentraci zahuštěním,\nnebo snížit teplotu zahříváním ",
                           MessageIcon::None, MessageOwner::None};
const Message kIrrational{"Error - Zadání:Edit 4", "Zadána iracionální hodnota", MessageIcon::Exclamation,
                          MessageOwner::None};

INSTANTIATE_TEST_SUITE_P(
    LiquidMixing, FormCaseTest,
    testing::Values(
        // Warming (or concentrating) with a hotter liquid, and cooling (or diluting).
        Mix({"10", "20", "40", "80"}, "5.00", "15.00"), Mix({"10", "80", "40", "20"}, "20.00", "30.00"),
        // The wanted value equal to the base liquid's: nothing to add.
        Mix({"10", "20", "20", "80"}, "0.00", "10.00"),
        // The base volume is not checked: zero and negative volumes scale the result.
        Mix({"0", "20", "40", "80"}, "0.00", "0.00"), Mix({"-10", "20", "40", "80"}, "-5.00", "-15.00"),
        Mix({"-10", "20", "20", "80"}, "-0.00", "-10.00"),
        // atof reading with the decimal comma: only an empty field is refused; a text that does
        // not begin with a number reads as 0 (a name before it is not skipped), leading blanks are
        // passed over, a leading point or comma is the decimal mark.
        Mix({"10", "abc", "40", "80"}, "10.00", "20.00"), Mix({"10", " ", "40", "80"}, "10.00", "20.00"),
        Mix({"10", "sklo 1.5", "40", "80"}, "10.00", "20.00"),
        Mix({"10", "sklo 1,5", "40", "80"}, "10.00", "20.00"),
        Mix({"  10", "20", "40", "80"}, "5.00", "15.00"), Mix({".5", "20", "40", "80"}, "0.25", "0.75"),
        Mix({",5", "20", "40", "80"}, "0.25", "0.75"), Mix({"1,5", "20", "40", "80"}, "0.75", "2.25"),
        Mix({"10", "20", "40", "80,0"}, "5.00", "15.00"), Mix({"10", "20,5", "40", "60"}, "9.75", "19.75"),
        // Only the first 259 characters are read: "0...01" of 259 characters reads as 1.
        Mix({std::string(258, '0') + "10", "20", "40", "80"}, "0.50", "1.50"),
        Mix({std::string(257, '0') + "10", "20", "40", "80"}, "5.00", "15.00"),
        // Empty fields, reported in reading order, the first one only.
        Refused({"", "", "40", "80"}, EmptyField("Error - Zadání:Edit 1")),
        Refused({"10", "", "", ""}, EmptyField("Error - Zadání:Edit 2")),
        Refused({"10", "20", "", ""}, EmptyField("Error - Zadání:Edit 3")),
        Refused({"10", "20", "40", ""}, EmptyField("Error - Zadání:Edit 4")),
        // An empty field is reported before an impossible target.
        Refused({"10", "", "40", "30"}, EmptyField("Error - Zadání:Edit 2")),
        // The wanted value above both liquids, below both.
        Refused({"10", "20", "40", "30"}, kCannotRaise), Refused({"10", "20", "10", "30"}, kCannotLower),
        // Above both also when the added liquid equals the base liquid.
        Refused({"10", "30", "40", "30"}, kCannotRaise),
        // Equal to the added liquid's value, also when all three are equal.
        Refused({"10", "20", "80", "80"}, kIrrational), Refused({"10", "50", "50", "50"}, kIrrational),
        Refused({"10", "90", "80", "80"}, kIrrational)));

}  // namespace
}  // namespace kalvora
