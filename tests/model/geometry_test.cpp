// SPDX-License-Identifier: MIT
#include "model/geometry.h"

#include <gtest/gtest.h>

namespace kalvora {
namespace {

TEST(GeometryTest, ColumnsWhenCreatedAndAfterAResize) {
    const ColumnLayout created = CreationLayout(572, 520);
    EXPECT_EQ(created.panel, Rect::FromSize(0, 43, 170, 460));
    EXPECT_EQ(created.gauge, Rect::FromSize(171, 45, 18, 460));
    EXPECT_EQ(created.form, Rect::FromSize(190, 43, 382, 460));

    const ColumnLayout resized = ResizeLayout(652, 480, 40, 22);
    EXPECT_EQ(resized.panel, Rect::FromSize(0, 40, 170, 418));
    EXPECT_EQ(resized.gauge, Rect::FromSize(171, 40, 18, 418));
    EXPECT_EQ(resized.form, Rect::FromSize(190, 40, 462, 418));

    // A client area smaller than the fixed parts gives empty, never negative, sizes.
    const ColumnLayout tiny = ResizeLayout(100, 30, 40, 22);
    EXPECT_EQ(tiny.form.width(), 0);
    EXPECT_EQ(tiny.panel.height(), 0);
    EXPECT_EQ(CreationLayout(0, 0).form.height(), 0);
}

TEST(GeometryTest, TheWidenedWindowKeepsItsCornerAndTakesTheOldBottomAsItsHeight) {
    EXPECT_EQ(WidenedWindowRect(Rect::FromSize(237, 50, 580, 600)), Rect::FromSize(237, 50, 660, 610));
    EXPECT_EQ(WidenedWindowRect(Rect::FromSize(-20, 0, 800, 500)), Rect::FromSize(-20, 0, 660, 460));
}

TEST(GeometryTest, APictureIsCentredWithTruncatingDivision) {
    struct Case {
        int frame, picture, offset;
    };
    for (const Case& c :
         {Case{100, 60, 20}, Case{80, 40, 20}, Case{100, 61, 19},
          Case{80, 43, 18},                                            // the odd pixel after the picture
          Case{82, 82, 0}, Case{263, 302, -19}, Case{100, 127, -13}})  // larger: cut on both sides
        EXPECT_EQ(CentredOffset(c.frame, c.picture), c.offset) << c.frame << " " << c.picture;
}

}  // namespace
}  // namespace kalvora
