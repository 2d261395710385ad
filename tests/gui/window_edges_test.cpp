// SPDX-License-Identifier: MIT
// The edges drawn around frames and controls: rings from the outside in, each with its shade
// on the top and left and its shade on the bottom and right, which also takes the far corners.
#include "qt/forms/window_edges.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace kalvora {
namespace {

TEST(PaintEdge, DrawsEachRingInItsShadesFromTheOutsideIn) {
    QPalette palette;
    const QColor shades[] = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta};
    const QPalette::ColorRole roles[] = {QPalette::Midlight, QPalette::Light, QPalette::Button,
                                         QPalette::Dark, QPalette::Shadow};
    for (std::size_t i = 0; i < std::size(roles); ++i) palette.setColor(roles[i], shades[i]);
    QImage image(20, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintEdge(painter, image.rect(), palette, edges::kDialogFrameAndClientEdge);
    }
    ASSERT_EQ(EdgeWidth(edges::kDialogFrameAndClientEdge), 5);
    struct Pixel {
        int x, y;
        QColor colour;
    };
    for (const Pixel p : {
             Pixel{0, 8, Qt::red},        // ring 0, left: midlight
             Pixel{10, 0, Qt::red},       // ring 0, top
             Pixel{19, 8, Qt::magenta},   // ring 0, right: shadow
             Pixel{10, 15, Qt::magenta},  // ring 0, bottom
             Pixel{19, 0, Qt::magenta},   // the top-right corner goes to the bottom-right shade
             Pixel{0, 15, Qt::magenta},   // and so does the bottom-left one
             Pixel{1, 8, Qt::green},      // ring 1, left: light
             Pixel{18, 8, Qt::cyan},      // ring 1, right: dark
             Pixel{2, 8, Qt::blue},       // ring 2: the face colour all round
             Pixel{17, 8, Qt::blue}, Pixel{3, 8, Qt::cyan},  // ring 3, the sunken edge: dark above and left
             Pixel{16, 8, Qt::green},                        // light below and right
             Pixel{4, 4, Qt::magenta},                       // ring 4: shadow above and left
             Pixel{15, 11, Qt::red},                         // midlight below and right
         }) {
        EXPECT_EQ(image.pixelColor(p.x, p.y), p.colour) << p.x << ", " << p.y;
    }
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white)) << "the inside is left alone";
}

}  // namespace
}  // namespace kalvora
