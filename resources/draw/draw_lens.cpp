// SPDX-License-Identifier: MIT
// The lens picture (2009): a converging lens (a) beside a diverging lens (b), each with the radii
// of its two faces r1 and r2, their centres C1 and C2, the vertices V1 and V2, the centre O and
// the foci F and F′.
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>

#include "drawing_kit.h"

namespace kalvora::draw {
namespace {

constexpr qreal kAxisY = 57;
constexpr qreal kHalfHeight = 41;  // half the height of the lens
constexpr qreal kRadius = 72;      // both faces
constexpr qreal kFocal = 38;
const QColor kGlass(205, 232, 250);
const QColor kGlassEdge(30, 70, 140);

// One face: the circle of radius kRadius about `centre` through `vertex`, between the lens's top and
// bottom edges, walked from top to bottom.
QPainterPath Face(qreal vertex, qreal centre) {
    const qreal side = vertex < centre ? -1 : 1;  // which side of its centre the face lies on
    QPainterPath face;
    for (int i = 0; i <= 40; ++i) {
        const qreal y = -kHalfHeight + 2 * kHalfHeight * i / 40;
        const QPointF point(centre + side * std::sqrt(kRadius * kRadius - y * y), kAxisY + y);
        if (i == 0)
            face.moveTo(point);
        else
            face.lineTo(point);
    }
    return face;
}

// A point of the axis with its name below it, or below and to the right of it.
void Mark(QPainter& painter, qreal x, const QString& label, qreal shift = 0) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(x, kAxisY), 1.6, 1.6);
    PaintCentred(painter, Math(label, Style(12)), QRectF(x + shift - 20, kAxisY + 3, 40, 14));
}

struct LensGeometry {
    qreal vertex1;  // V1, on the left
    qreal vertex2;  // V2, on the right
    qreal centre1;  // C1, centre of the left face
    qreal centre2;  // C2, centre of the right face
    qreal focusF;
    qreal focusImage;  // F′
};

void DrawLens(QPainter& painter, qreal originX, const LensGeometry& g, const QString& tag) {
    painter.save();
    painter.translate(originX, 0);

    painter.setPen(QPen(Qt::black, 0.8, Qt::DashDotLine));
    painter.drawLine(QPointF(4, kAxisY), QPointF(165, kAxisY));

    // The glass: the left face from top to bottom, the right face back up.
    const QPainterPath left = Face(g.vertex1, g.centre1);
    const QPainterPath right = Face(g.vertex2, g.centre2).toReversed();
    QPainterPath glass = left;
    glass.connectPath(right);
    glass.closeSubpath();
    painter.setPen(QPen(kGlassEdge, 1.2));
    painter.setBrush(kGlass);
    painter.drawPath(glass);

    // The radii, from each centre to the top edge of its face.
    painter.setPen(QPen(Qt::black, 0.8));
    const QPointF leftTop = left.pointAtPercent(0);
    const QPointF rightTop = right.pointAtPercent(1);
    painter.drawLine(QPointF(g.centre1, kAxisY), leftTop);
    painter.drawLine(QPointF(g.centre2, kAxisY), rightTop);
    const QPointF r1 = (QPointF(g.centre1, kAxisY) * 0.45 + leftTop * 0.55);
    const QPointF r2 = (QPointF(g.centre2, kAxisY) * 0.45 + rightTop * 0.55);
    const qreal out1 = g.centre1 > g.vertex1 ? 7 : -7;
    const qreal out2 = g.centre2 > g.vertex2 ? 7 : -7;
    PaintCentred(painter, Math("r_1", Style(12)), QRectF(r1.x() + out1 - 10, r1.y() - 12, 20, 14));
    PaintCentred(painter, Math("r_2", Style(12)), QRectF(r2.x() + out2 - 10, r2.y() - 12, 20, 14));

    Mark(painter, g.centre1, "C_1");
    Mark(painter, g.centre2, "C_2");
    Mark(painter, g.focusF, "F");
    Mark(painter, g.focusImage, "F′");
    // The vertices, named above the axis just outside the glass; a concave face leans out a
    // little, and its thin middle leaves no room for the name of the centre.
    const bool concave = g.centre1 < g.vertex1;
    Mark(painter, (g.vertex1 + g.vertex2) / 2, "O", concave ? 10 : 0);
    const qreal clear = concave ? 4 : 1;
    PaintCentred(painter, Math("V_1", Style(11)), QRectF(g.vertex1 - clear - 15, kAxisY - 15, 15, 13));
    PaintCentred(painter, Math("V_2", Style(11)), QRectF(g.vertex2 + clear, kAxisY - 15, 15, 13));

    PaintCentred(painter, Text(tag, Style(13)), QRectF(4, 2, 16, 16));
    painter.restore();
}

QImage Lenses(int scale) {
    QImage image = WhiteCanvas(339, 114, scale);
    QPainter painter(&image);
    Smooth(painter);
    const qreal centre = 84.5;
    const qreal sag = kRadius - std::sqrt(kRadius * kRadius - kHalfHeight * kHalfHeight);

    const qreal convexHalf = sag + 1.5;
    const LensGeometry converging{
        centre - convexHalf,           centre + convexHalf, centre - convexHalf + kRadius,
        centre + convexHalf - kRadius, centre - kFocal,     centre + kFocal};
    DrawLens(painter, 0, converging, QStringLiteral("a)"));

    const qreal concaveHalf = 2;
    const LensGeometry diverging{
        centre - concaveHalf,           centre + concaveHalf, centre - concaveHalf - kRadius,
        centre + concaveHalf + kRadius, centre + kFocal,      centre - kFocal};
    DrawLens(painter, 170, diverging, QStringLiteral("b)"));

    painter.setPen(QPen(QColor(180, 180, 180), 1));
    painter.drawLine(QPointF(169.5, 6), QPointF(169.5, 108));
    return image;
}

}  // namespace

PictureList DrawLensPictures(int scale) {
    return {{QStringLiteral("help/2009.png"), Lenses(scale)}};
}

}  // namespace kalvora::draw
