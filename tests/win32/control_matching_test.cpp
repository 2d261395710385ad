// SPDX-License-Identifier: MIT
// A form's windows are found by control id: a control the dialog manager could not make leaves
// only its own place empty, and the unnamed statics (id -1) are matched in order.
#include "control_matching.h"

#include <gtest/gtest.h>

namespace kalvora::win32::test {
namespace {

TEST(ControlMatching, AMissingWindowLeavesOnlyItsOwnPlaceEmpty) {
    struct Case {
        std::vector<int> templateIds, childIds, expected;
    };
    for (const Case& c : {Case{{-1, 107, -1, 106, 111}, {-1, 107, -1, 106, 111}, {0, 1, 2, 3, 4}},
                          Case{{-1, 107, -1, 106, 111}, {-1, 107, -1, 111}, {0, 1, 2, -1, 3}},  // 106 failed
                          Case{{-1, 107, -1, 106, 111}, {107, -1, 106, 111}, {1, 0, -1, 2, 3}},  // a static failed
                          Case{{1, 2}, {}, {-1, -1}}})
        EXPECT_EQ(MatchControlsById(c.templateIds, c.childIds), c.expected);
}

}  // namespace
}  // namespace kalvora::win32::test
