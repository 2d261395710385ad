// SPDX-License-Identifier: MIT
#include "model/geometry.h"

#include <gtest/gtest.h>

#include <utility>

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

TEST(GeometryTest, ALengthIsScaledToTheNearestPixelHalvesAwayFromZero) {
    struct Case {
        int pixels, dpi, scaled;
    };
    for (const Case& c : {Case{170, 96, 170}, Case{170, 120, 213} /* 212.5 */, Case{275, 120, 344} /* 343.75 */,
                          Case{1, 120, 1}, Case{-3, 144, -5} /* -4.5 */, Case{580, 0, 580} /* no DPI known */,
                          Case{580, 1 << 30, 5800} /* held at ten times */, Case{580, 1, 145} /* at a quarter */})
        EXPECT_EQ(Scaled(c.pixels, c.dpi), c.scaled) << c.pixels << " at " << c.dpi;
}

// Every fixed length of the window and its columns follows the one scaling rule; what comes from
// the client area or the bars (already pixels at the display's scale) is not scaled again.
TEST(GeometryTest, WindowAndColumnsScaleWithTheDisplay) {
    const Rect base = StartWindowRect(0, 0, 1024);
    const ColumnLayout created = CreationLayout(900, 800), resized = ResizeLayout(900, 800, 40, 22);
    for (int dpi : {120, 144, 192}) {
        const Rect start = StartWindowRect(0, 0, 1024, dpi);
        EXPECT_EQ(start, Rect::FromSize(512 - Scaled(512 - base.left, dpi), Scaled(base.top, dpi),
                                        Scaled(base.width(), dpi), Scaled(base.height(), dpi)));
        EXPECT_EQ(StatusFirstPartEdge(dpi), Scaled(StatusFirstPartEdge(), dpi));
        const Rect widened = WidenedWindowRect(start, dpi), widenedBase = WidenedWindowRect(base);
        EXPECT_EQ(widened.width(), Scaled(widenedBase.width(), dpi));
        EXPECT_EQ(start.bottom - widened.height(), Scaled(base.bottom - widenedBase.height(), dpi));

        const ColumnLayout c = CreationLayout(900, 800, dpi), r = ResizeLayout(900, 800, 40, 22, dpi);
        for (auto [scaled, plain] : {std::pair{c.panel, created.panel}, {c.gauge, created.gauge}})
            EXPECT_EQ(scaled, Rect::FromSize(Scaled(plain.left, dpi), Scaled(plain.top, dpi), Scaled(plain.width(), dpi),
                                             800 - Scaled(800 - plain.height(), dpi)));
        EXPECT_EQ(c.form, (Rect{Scaled(created.form.left, dpi), c.panel.top, 900, c.panel.bottom}));
        EXPECT_EQ(r.panel, (Rect{0, 40, Scaled(resized.panel.width(), dpi), 800 - 22}));
        EXPECT_EQ(r.gauge, Rect::FromSize(Scaled(resized.gauge.left, dpi), 40, Scaled(resized.gauge.width(), dpi),
                                          800 - 22 - 40));
        EXPECT_EQ(r.form, (Rect{Scaled(resized.form.left, dpi), 40, 900, 800 - 22}));
    }
}

TEST(GeometryTest, ARememberedSizeIsCarriedToAnotherScaleAtANewCorner) {
    EXPECT_EQ(Rescaled(Rect::FromSize(237, 50, 581, 601), 96, 144, 2000, 40), Rect::FromSize(2000, 40, 872, 902));
    EXPECT_EQ(Rescaled(Rect::FromSize(10, 10, 725, 750), 120, 96, -5, 7), Rect::FromSize(-5, 7, 580, 600));
    EXPECT_EQ(Rescaled(Rect::FromSize(3, 4, 580, 600), 0, 96, 3, 4), Rect::FromSize(3, 4, 580, 600));  // DPI unknown
}

TEST(GeometryTest, TheDoubleSizeDrawingServesEveryScaleAbove100PercentWhenItIsTwiceTheSize) {
    EXPECT_FALSE(ScalesFromDoubleSize(96, true));
    EXPECT_TRUE(ScalesFromDoubleSize(97, true));
    EXPECT_FALSE(ScalesFromDoubleSize(192, false));
    EXPECT_TRUE(IsDoubleSize(352, 32, 704, 64));
    EXPECT_FALSE(IsDoubleSize(352, 32, 704, 63));
}

}  // namespace
}  // namespace kalvora
