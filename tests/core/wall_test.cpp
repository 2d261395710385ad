// SPDX-License-Identifier: MIT
#include "calculators/thermal/wall.h"

#include <gtest/gtest.h>

#include "calc/number_reader.h"
#include "tests/core/form_case.h"

namespace kalvora {
namespace {

const Message kNoDigit{"chyba", "Text neobsahuje číslici", MessageIcon::None, MessageOwner::Form};

// Texts in reading order: the thickness first, then the material.
FormCase Wall(std::string d, std::string material, std::string result) {
    return {"wall-thermal-resistance", {std::move(d), std::move(material)}, {std::move(result)}};
}
FormCase WallRefused(std::string d, std::string material) {
    return {"wall-thermal-resistance", {std::move(d), std::move(material)}, {}, nullptr, kNoDigit};
}

INSTANTIATE_TEST_SUITE_P(
    WallThermalResistance, FormCaseTest,
    testing::Values(
        Wall("0.3", "Cihly pálené 0.86", "0.348837"), Wall("0.1", "Polystyren pěnový 0.043", "2.325581"),
        Wall("0.17", "Dřevo měkké 0.17", "1.000000"), Wall("1.30", "Beton hutný 1.30", "1.000000"),
        Wall("-0.3", "Cihly pálené 0.86", "0.348837"),  // the sign is skipped
        Wall(".5", "Cihly pálené 0.86", "0.581395"),    // a leading point is kept
        Wall("-0,3", "Cihly pálené 0,86", "0.348837"),  // the decimal comma as well
        Wall("0.3", "0.5", "0.600000"), Wall("0.3", "-0.5", "0.600000"),
        Wall("0", "Cihly pálené 0.86", "0.000000"),  // no zero test
        Wall("0.3", "0", "inf"), Wall("0", "0", "nan"), WallRefused("", ""),
        WallRefused("", "Cihly pálené 0.86"), WallRefused("tlustá", "0.5"), WallRefused("0.3", ""),
        WallRefused("0.3", "beton"), WallRefused("-.", "0.5"), WallRefused("0.3", "-,")));

TEST(WallMaterials, CarryTheirConductivityInTheText) {
    const std::vector<double> lambda{1.30, 0.86, 1.73, 0.97, 0.17, 0.043, 0.035, 0.045, 0.16, 0.27,
                                     0.14, 0.69, 0.28, 0.35, 0.41, 0.17,  0.17,  0.60,  0.83, 1.28};
    ASSERT_EQ(WallMaterials().size(), lambda.size());
    for (std::size_t i = 0; i < lambda.size(); ++i)
        EXPECT_EQ(ReadNumberAtFirstDigit(WallMaterials()[i]), lambda[i]) << WallMaterials()[i];
}

}  // namespace
}  // namespace kalvora
