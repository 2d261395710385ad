// SPDX-License-Identifier: MIT
// How the kinds of controls are realised: the rules each view once decided for itself.
#include "model/control_presentation.h"

#include <gtest/gtest.h>

#include <vector>

namespace kalvora {
namespace {

// Base units 7 x 14: one dialog unit is 1.75 pixels across and 1.75 down.
const ControlMetrics kMetrics{{364, 14, 7}, {616, 25, 12}, 22, 14};

ControlPresentation One(ControlDefinition control, DialogFont font = DialogFont::Dialog9pt, int textWidth = 0) {
    const DialogTemplate dialog{1, 200, 200, font, {control}};
    const std::vector<int> widths{textWidth};
    return PresentControls(dialog, kMetrics, widths).front();
}

TEST(ControlPresentation, AStaticWrapsOnlyWithRoomForTwoLines) {
    // 16 units are 28 pixels, two lines of 14; 15 units are 26.
    EXPECT_TRUE(One({-1, ControlKind::Label, "", 0, 0, 100, 16}).wraps);
    EXPECT_FALSE(One({-1, ControlKind::CentredLabel, "", 0, 0, 100, 15}).wraps);
    EXPECT_FALSE(One({-1, ControlKind::LinkLabel, "", 0, 0, 100, 40}).wraps);
}

TEST(ControlPresentation, ADropDownListsTemplateHeightHoldsItsFieldAndWholeRows) {
    const ControlPresentation tall = One({5, ControlKind::ComboBox, "", 10, 20, 80, 60});  // 105 pixels
    EXPECT_EQ(tall.rect, Rect::FromSize(18, 35, 140, 22));
    EXPECT_EQ(tall.listRows, (105 - 22) / 14);
    // A template lower than the platform's field keeps its height and still shows one row.
    const ControlPresentation low = One({5, ControlKind::ComboBox, "", 10, 20, 80, 8});
    EXPECT_EQ(low.rect.height(), 14);
    EXPECT_EQ(low.listRows, 1);
}

TEST(ControlPresentation, KindsDecideAlignmentFocusCursorFontAndTypingLimit) {
    struct Case {
        ControlDefinition control;
        HorizontalAlignment alignment;
        FocusKind focus;
        CursorRole cursor;
        FontRole font;
        bool stopsAtWidth;
    };
    using enum HorizontalAlignment;
    const Case cases[] = {
        {{-1, ControlKind::Label, "", 0, 0, 9, 9}, Left, FocusKind::None, CursorRole::Static, FontRole::Dialog, false},
        {{7, ControlKind::Edit, "", 0, 0, 9, 9, kNoAutoScroll}, Centre, FocusKind::TabStop, CursorRole::Default,
         FontRole::Dialog, true},
        {{7, ControlKind::Edit, "", 0, 0, 9, 9, kLeftAligned | kNoTabStop}, Left, FocusKind::ClickOnly,
         CursorRole::Default, FontRole::Dialog, false},
        {{111, ControlKind::ResultField, "", 0, 0, 9, 9}, Centre, FocusKind::ClickOnly, CursorRole::Static,
         FontRole::Dialog, false},
        {{8, ControlKind::ReadOnlyEdit, "", 0, 0, 9, 9, kNoAutoScroll}, Left, FocusKind::TabStop,
         CursorRole::Default, FontRole::Dialog, false},
        {{5, ControlKind::ComboBox, "", 0, 0, 9, 9, kTabStop | kNoAutoScroll}, Left, FocusKind::TabStop,
         CursorRole::Default, FontRole::Dialog, true},
        {{9, ControlKind::LinkLabel, "", 0, 0, 9, 9}, Centre, FocusKind::None, CursorRole::Arrow, FontRole::Link, false},
        {{-1, ControlKind::Picture, "", 0, 0, 9, 9}, Centre, FocusKind::None, CursorRole::Static, FontRole::Dialog,
         false},
    };
    for (const Case& c : cases) {
        const ControlPresentation shown = One(c.control);
        SCOPED_TRACE(int(c.control.kind));
        EXPECT_EQ(shown.alignment, c.alignment);
        EXPECT_EQ(shown.focus, c.focus);
        EXPECT_EQ(shown.cursor, c.cursor);
        EXPECT_EQ(shown.font, c.font);
        EXPECT_EQ(shown.stopsAtWidth, c.stopsAtWidth);
    }
    EXPECT_EQ(One({-1, ControlKind::Label, "", 0, 0, 9, 9}, DialogFont::System).font, FontRole::System);
    EXPECT_TRUE(One({116, ControlKind::GroupBox, "", 0, 0, 9, 9}).behind);
}

TEST(ControlPresentation, ACentredTextWiderThanItsRoomShowsItsStart) {
    const ControlDefinition text{-1, ControlKind::CentredLabel, "", 40, 0, 40, 8};  // 70 pixels wide
    const ControlDefinition beside{1, ControlKind::PushButton, "", 90, 0, 20, 8};
    const DialogTemplate dialog{1, 200, 200, DialogFont::Dialog9pt, {text, beside}};
    for (int width : {60, 90, 400}) {
        const std::vector<int> widths{width, 0};
        const ControlPresentation shown = PresentControls(dialog, kMetrics, widths).front();
        EXPECT_EQ(shown.alignment, width > shown.rect.width() ? HorizontalAlignment::Left : HorizontalAlignment::Centre)
            << width;
        EXPECT_GE(shown.rect.width(), std::min(width, 70)) << width;
    }
}

}  // namespace
}  // namespace kalvora
