// SPDX-License-Identifier: MIT
// How controls are realised: the rules each view once decided for itself.
#include "model/control_presentation.h"

#include <gtest/gtest.h>

#include <vector>

namespace kalvora {
namespace {

// Base units 7 x 14: one dialog unit is 1.75 pixels across and down; the drop-down field is 22
// pixels high, a list row 14.
const ControlMetrics kMetrics{{364, 14, 7}, {616, 25, 12}, 22, 14};

ControlPresentation One(ControlKind kind, int cy, unsigned flags = kNoFlags) {
    const DialogTemplate dialog{1, 200, 200, DialogFont::Dialog9pt, {{5, kind, "", 10, 20, 80, cy, flags}}};
    return PresentControls(dialog, kMetrics, {}).front();
}

TEST(ControlPresentation, StaticsWrapWithRoomForTwoLinesAndListsShowWholeRows) {
    EXPECT_TRUE(One(ControlKind::Label, 16).wraps);  // 28 pixels: two lines of 14
    EXPECT_FALSE(One(ControlKind::CentredLabel, 15).wraps);
    const ControlPresentation tall = One(ControlKind::ComboBox, 60);  // 105 pixels with its list
    EXPECT_EQ(tall.rect, Rect::FromSize(18, 35, 140, 22));
    EXPECT_EQ(tall.listRows, (105 - 22) / 14);
    const ControlPresentation low = One(ControlKind::ComboBox, 8);  // lower than the field
    EXPECT_EQ(low.rect.height(), 14);
    EXPECT_EQ(low.listRows, 1);
    EXPECT_EQ(One(ControlKind::Edit, 8, kNoTabStop).focus, FocusKind::ClickOnly);
    EXPECT_TRUE(One(ControlKind::Edit, 8, kNoAutoScroll).stopsAtWidth);
    EXPECT_FALSE(One(ControlKind::ReadOnlyEdit, 8, kNoAutoScroll).stopsAtWidth);
}

TEST(ControlPresentation, ACentredTextWiderThanItsRoomShowsItsStart) {
    const ControlDefinition text{-1, ControlKind::CentredLabel, "", 40, 0, 40, 8};  // 70 pixels wide
    const ControlDefinition beside{1, ControlKind::PushButton, "", 90, 0, 20, 8};
    const DialogTemplate dialog{1, 200, 200, DialogFont::Dialog9pt, {text, beside}};
    for (int width : {60, 90, 400}) {
        const std::vector<int> widths{width, 0};
        const ControlPresentation shown = PresentControls(dialog, kMetrics, widths).front();
        EXPECT_EQ(shown.alignment,
                  width > shown.rect.width() ? HorizontalAlignment::Left : HorizontalAlignment::Centre)
            << width;
        EXPECT_GE(shown.rect.width(), std::min(width, 70)) << width;
    }
}

TEST(ControlPresentation, TwoTextsNeverTakeTheSameRoom) {
    const ControlDefinition left{-1, ControlKind::CentredLabel, "", 40, 0, 40, 8};    // x 70 to 140
    const ControlDefinition right{-1, ControlKind::CentredLabel, "", 100, 0, 40, 8};  // x 175 to 245
    const std::vector<int> widths{300, 300};
    const auto shown = PresentControls({1, 200, 200, DialogFont::Dialog9pt, {left, right}}, kMetrics, widths);
    EXPECT_LT(shown[0].rect.right, shown[1].rect.left);
}

}  // namespace
}  // namespace kalvora
