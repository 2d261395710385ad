// SPDX-License-Identifier: MIT
#include "calculators/electrical/lighting.h"

#include <gtest/gtest.h>

#include "calc/number_reader.h"
#include "tests/core/form_case.h"

namespace kalvora {
namespace {

const Message kLimit{"Chyba", "Počítá jen do příkonu 200 Watt ", MessageIcon::None, MessageOwner::Form};

FormCase Bulb(std::string power, std::string result) {
    return {"fluorescent-for-bulb", {std::move(power)}, {std::move(result)}};
}
FormCase BulbRefused(std::string power, const Message& message) {
    return {"fluorescent-for-bulb", {std::move(power)}, {}, nullptr, message};
}

INSTANTIATE_TEST_SUITE_P(
    FluorescentForBulb, FormCaseTest,
    testing::Values(Bulb("60", "16.21"), Bulb("25", "7.98"),
                    Bulb("100", "22.97"),    // still the law up to 100 W (the other law gives 22.98)
                    Bulb("100.5", "23.08"),  // the law above 100 W
                    Bulb("150", "32.08"), Bulb("200", "39.99"), Bulb("-10", "-3.90"),
                    // Near the pole of the factor each rounding shows: a fused (P−a)·b+c gives
                    // ...615.43 and P·b − a·b + c gives ...615.54.
                    Bulb("-167.1245", "-257114615.37"), BulbRefused("200.5", kLimit),
                    BulbRefused("1e400", kLimit), BulbRefused("0", InputError()),
                    BulbRefused("", InputError()), BulbRefused("W", InputError())));

INSTANTIATE_TEST_SUITE_P(
    LuminousFlux, FormCaseTest,
    testing::Values(FormCase{"luminous-flux", {"Zářivka kompaktní 53 ", "20"}, {"1060.00"}},
                    FormCase{"luminous-flux", {"Žárovka čirá 9 ", "60"}, {"540.00"}},
                    FormCase{"luminous-flux", {"80", "10"}, {"800.00"}},
                    FormCase{"luminous-flux", {"", "60"}, {}, &InputError()},
                    FormCase{"luminous-flux", {"Žárovka čirá 9 ", "0"}, {}, &InputError()}));

TEST(LampTypes, CarryTheirEfficacyInTheText) {
    const std::vector<double> efficacy{9, 15, 53, 65};
    ASSERT_EQ(LampTypes().size(), efficacy.size());
    for (std::size_t i = 0; i < efficacy.size(); ++i) {
        EXPECT_EQ(ReadNumber(LampTypes()[i]), efficacy[i]) << LampTypes()[i];
        EXPECT_TRUE(LampTypes()[i].ends_with(' ')) << LampTypes()[i];
    }
}

}  // namespace
}  // namespace kalvora
