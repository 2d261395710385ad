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
    for (const Case& c : {Case{170, 96, 170}, Case{170, 120, 213},  // 212.5
                          Case{275, 120, 344},                      // 343.75
                          Case{43, 144, 65}, Case{18, 192, 36}, Case{1, 120, 1}, Case{-3, 144, -5},  // -4.5
                          Case{580, 0, 580}, Case{580, -1, 580}})  // no DPI known: 100 %
        EXPECT_EQ(Scaled(c.pixels, c.dpi), c.scaled) << c.pixels << " at " << c.dpi;
}

// Every length of the window and its columns follows the one scaling rule; what comes from the
// client area or the bars (already pixels at the display's scale) is not scaled again.
TEST(GeometryTest, WindowAndColumnsScaleWithTheDisplay) {
    const Rect base = StartWindowRect(0, 0, 1024);
    const ColumnLayout created = CreationLayout(900, 800);
    const ColumnLayout resized = ResizeLayout(900, 800, 40, 22);
    for (int dpi : {120, 144, 192}) {
        const Rect start = StartWindowRect(0, 0, 1024, dpi);
        EXPECT_EQ(start.width(), Scaled(base.width(), dpi)) << dpi;
        EXPECT_EQ(start.height(), Scaled(base.height(), dpi)) << dpi;
        EXPECT_EQ(start.top, Scaled(base.top, dpi)) << dpi;
        EXPECT_EQ(512 - start.left, Scaled(512 - base.left, dpi)) << dpi;
        EXPECT_EQ(StatusFirstPartEdge(dpi), Scaled(StatusFirstPartEdge(), dpi)) << dpi;

        const ColumnLayout c = CreationLayout(900, 800, dpi);
        for (auto [scaled, plain] : {std::pair{c.panel, created.panel}, {c.gauge, created.gauge}}) {
            EXPECT_EQ(scaled.left, Scaled(plain.left, dpi)) << dpi;
            EXPECT_EQ(scaled.top, Scaled(plain.top, dpi)) << dpi;
            EXPECT_EQ(scaled.width(), Scaled(plain.width(), dpi)) << dpi;
            EXPECT_EQ(800 - scaled.height(), Scaled(800 - plain.height(), dpi)) << dpi;
        }
        EXPECT_EQ(c.form.left, Scaled(created.form.left, dpi)) << dpi;
        EXPECT_EQ(c.form.right, 900) << dpi;

        const ColumnLayout r = ResizeLayout(900, 800, 40, 22, dpi);
        EXPECT_EQ(r.panel.width(), Scaled(resized.panel.width(), dpi)) << dpi;
        EXPECT_EQ(r.gauge.left, Scaled(resized.gauge.left, dpi)) << dpi;
        EXPECT_EQ(r.gauge.width(), Scaled(resized.gauge.width(), dpi)) << dpi;
        EXPECT_EQ(r.form.left, Scaled(resized.form.left, dpi)) << dpi;
        EXPECT_EQ(r.form.right, 900) << dpi;
        EXPECT_EQ(r.panel.top, 40) << dpi;
        EXPECT_EQ(r.panel.bottom, 800 - 22) << dpi;

        const Rect widened = WidenedWindowRect(start, dpi);
        const Rect widenedBase = WidenedWindowRect(base);
        EXPECT_EQ(widened.width(), Scaled(widenedBase.width(), dpi)) << dpi;
        EXPECT_EQ(start.bottom - widened.height(), Scaled(base.bottom - widenedBase.height(), dpi)) << dpi;
    }
}

TEST(GeometryTest, ARememberedSizeIsCarriedToAnotherScaleAtANewCorner) {
    struct Case {
        Rect rect;
        int from, to, left, top;
        Rect expected;
    };
    for (const Case& c : {Case{Rect::FromSize(237, 50, 580, 600), 96, 192, 2000, 40, Rect::FromSize(2000, 40, 1160, 1200)},
                          Case{Rect::FromSize(10, 10, 725, 750), 120, 96, -5, 7, Rect::FromSize(-5, 7, 580, 600)},
                          Case{Rect::FromSize(0, 0, 581, 601), 96, 144, 0, 0, Rect::FromSize(0, 0, 872, 902)},  // 871.5, 901.5
                          Case{Rect::FromSize(3, 4, 580, 600), 0, 96, 3, 4, Rect::FromSize(3, 4, 580, 600)}})
        EXPECT_EQ(Rescaled(c.rect, c.from, c.to, c.left, c.top), c.expected) << c.from << " to " << c.to;
}

TEST(GeometryTest, TheDoubleSizeDrawingServesEveryScaleAbove100PercentWhenItFits) {
    struct Case {
        int dpi;
        bool available, fromDouble;
    };
    for (const Case& c : {Case{96, true, false}, Case{97, true, true}, Case{120, true, true}, Case{192, true, true},
                          Case{288, true, true}, Case{192, false, false}, Case{0, true, false}})
        EXPECT_EQ(ScalesFromDoubleSize(c.dpi, c.available), c.fromDouble) << c.dpi << " " << c.available;

    struct SizeCase {
        int plainWidth, plainHeight, width, height;
        bool isDouble;
    };
    for (const SizeCase& c : {SizeCase{352, 32, 704, 64, true}, SizeCase{352, 32, 704, 63, false},
                              SizeCase{352, 32, 352, 32, false}, SizeCase{352, 32, 705, 64, false},
                              SizeCase{0, 0, 0, 0, false}})
        EXPECT_EQ(IsDoubleSize(c.plainWidth, c.plainHeight, c.width, c.height), c.isDouble)
            << c.width << " x " << c.height;
}

}  // namespace
}  // namespace kalvora
