// SPDX-License-Identifier: MIT
// Dialog units to pixels, as the platform's dialog manager converts them.
#include "model/dialog_units.h"

#include <gtest/gtest.h>

namespace kalvora {
namespace {

TEST(DialogUnits, RoundLikeMulDiv) {
    struct Case {
        int units;
        BaseUnits base;
        int x, y;  // the pixels for `units` taken horizontally and vertically
    };
    for (const Case& c : {Case{0, {7, 14}, 0, 0}, Case{8, {7, 14}, 14, 14},   // 56/4, 112/8
                          Case{157, {7, 14}, 275, 275},                       // 274.75: rounds down
                          Case{25, {7, 14}, 44, 44},                          // 43.75: rounds up
                          Case{1, {6, 12}, 2, 2}, Case{-1, {6, 12}, -2, -2},  // halves away from zero
                          Case{-3, {7, 14}, -5, -5}, Case{188, {8, 16}, 376, 376}}) {
        EXPECT_EQ(DialogXToPixels(c.units, c.base), c.x) << c.units;
        EXPECT_EQ(DialogYToPixels(c.units, c.base), c.y) << c.units;
    }
    // 15 * 7 / 4 = 26.25 and 157 * 7 / 4 = 274.75: the size is not right edge minus left edge.
    EXPECT_EQ(DialogRectToPixels(15, 25, 157, 24, {7, 14}), Rect::FromSize(26, 44, 275, 42));
}

TEST(DialogUnits, BaseUnitsAreHalfTheRoundedAverageOfTwoLettersAndTheLineHeight) {
    // 364 / 26 = 14 -> 7; 363 / 26 = 13 -> 7 (rounded up); 337 / 26 = 12 -> 6.
    for (const auto& [alphabet, x] : {std::pair{364, 7}, std::pair{363, 7}, std::pair{337, 6}})
        EXPECT_EQ(BaseUnitsOf({alphabet, 15, 7}), (BaseUnits{x, 15})) << alphabet;
}

}  // namespace
}  // namespace kalvora
