// SPDX-License-Identifier: MIT
// Dialog units to pixels, as the platform's dialog manager converts them.
#include "model/dialog_units.h"

#include <gtest/gtest.h>

#include <ostream>

namespace kalvora {
namespace {

struct ConversionCase {
    const char* name;
    int units;
    BaseUnits base;
    int x, y;  // the pixels for `units` taken horizontally and vertically

    friend void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.name; }
};

class DialogUnitConversionTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(DialogUnitConversionTest, RoundsLikeMulDiv) {
    EXPECT_EQ(DialogXToPixels(GetParam().units, GetParam().base), GetParam().x);
    EXPECT_EQ(DialogYToPixels(GetParam().units, GetParam().base), GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DialogUnitConversionTest,
    ::testing::Values(ConversionCase{"Zero", 0, {7, 14}, 0, 0},
                      ConversionCase{"Exact", 8, {7, 14}, 14, 14},              // 56/4, 112/8
                      ConversionCase{"RoundsDown", 157, {7, 14}, 275, 275},     // 274.75, 274.75
                      ConversionCase{"RoundsUp", 25, {7, 14}, 44, 44},          // 43.75, 43.75
                      ConversionCase{"HalfAwayFromZero", 1, {6, 12}, 2, 2},     // 1.5, 1.5
                      ConversionCase{"NegativeHalf", -1, {6, 12}, -2, -2},      // -1.5, -1.5
                      ConversionCase{"Negative", -3, {7, 14}, -5, -5},          // -5.25, -5.25
                      ConversionCase{"SystemFont", 188, {8, 16}, 376, 376}),   // 376, 376
    [](const auto& info) { return std::string(info.param.name); });

TEST(DialogRect, PositionAndSizeAreConvertedEachOnItsOwn) {
    // 15 * 7 / 4 = 26.25 and 157 * 7 / 4 = 274.75: the size is not right edge minus left edge.
    EXPECT_EQ(DialogRectToPixels(15, 25, 157, 24, {7, 14}), Rect::FromSize(26, 44, 275, 42));
}

TEST(BaseUnits, HalfTheAverageOfTwoLettersRoundedAndTheLineHeight) {
    struct Case {
        int alphabetWidth, x;
    };
    // 364 / 26 = 14 -> 7; 363 / 26 = 13 -> 7 (rounded up); 337 / 26 = 12 -> 6.
    for (const Case& c : {Case{364, 7}, Case{363, 7}, Case{337, 6}, Case{0, 0}})
        EXPECT_EQ(BaseUnitsOf({c.alphabetWidth, 15, 7}), (BaseUnits{c.x, 15})) << c.alphabetWidth;
}

}  // namespace
}  // namespace kalvora
