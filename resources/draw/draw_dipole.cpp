// SPDX-License-Identifier: MIT
// The folded dipole sketch shown inside the dipole form (MYBMP): a long flat loop of tube with its
// whole length L, its height of 80 mm and the 15 mm gap in the middle of its lower side where the
// feed line is connected.
#include <QPainter>
#include <QPainterPath>

#include "drawing_kit.h"

namespace kalvora::draw {
namespace {

constexpr qreal kLeft = 12.5;
constexpr qreal kRight = 216.5;
constexpr qreal kTop = 36.5;
constexpr qreal kBottom = 62.5;
constexpr qreal kGapLeft = 108.5;
constexpr qreal kGapRight = 120.5;
const QColor kTube(70, 80, 95);
const QColor kMeasure(0, 0, 0);

// The loop as one stroke: from the left side of the gap round the left end, along the top, round
// the right end and back along the bottom to the right side of the gap.
QPainterPath Loop() {
    const qreal bend = (kBottom - kTop) / 2;
    QPainterPath loop;
    loop.moveTo(kGapLeft, kBottom);
    loop.lineTo(kLeft + bend, kBottom);
    loop.arcTo(QRectF(kLeft, kTop, 2 * bend, 2 * bend), 270, -180);
    loop.lineTo(kRight - bend, kTop);
    loop.arcTo(QRectF(kRight - 2 * bend, kTop, 2 * bend, 2 * bend), 90, -180);
    loop.lineTo(kGapRight, kBottom);
    return loop;
}

void Tube(QPainter& painter, const QPainterPath& path) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kTube, 3, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(QColor(200, 210, 225), 1, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPath(path.translated(0, -0.5));
}

QImage FoldedDipole(int scale) {
    QImage image = WhiteCanvas(229, 97, scale);
    QPainter painter(&image);
    Smooth(painter);
    const MathStyle label = Style(12);

    // The feed line: a lead from each side of the gap, joined into a cable below.
    QPainterPath leads;
    leads.moveTo(kGapLeft, kBottom);
    leads.lineTo(kGapLeft, 80);
    leads.lineTo(113.5, 86);
    leads.moveTo(kGapRight, kBottom);
    leads.lineTo(kGapRight, 80);
    leads.lineTo(115.5, 86);
    painter.setPen(QPen(QColor(150, 90, 40), 1.2));
    painter.drawPath(leads);
    painter.fillRect(QRectF(112, 85, 5, 12), QColor(40, 40, 40));

    Tube(painter, Loop());

    // L: the whole length, above the loop.
    painter.setPen(QPen(kMeasure, 1));
    painter.drawLine(QPointF(kLeft, 16), QPointF(kLeft, kTop + 8));
    painter.drawLine(QPointF(kRight, 16), QPointF(kRight, kTop + 8));
    DimensionLine(painter, QPointF(kLeft, 21.5), QPointF(kRight, 21.5), kMeasure, 6);
    PaintCentred(painter, Math("L", Style(14)), QRectF(100, 2, 29, 16));

    // 80 mm: the height, measured inside the left end of the loop.
    DimensionLine(painter, QPointF(40.5, kTop + 2), QPointF(40.5, kBottom - 2), kMeasure, 5);
    PaintAt(painter, Math("80~\"mm\"", label), QPointF(45, 45));

    // 15 mm: the gap, with arrows coming in from outside because the gap is narrow.
    constexpr qreal kGapLine = 73.5;
    Arrow(painter, QPointF(kGapLeft - 14, kGapLine), QPointF(kGapLeft, kGapLine), kMeasure, 1, 5);
    Arrow(painter, QPointF(kGapRight + 14, kGapLine), QPointF(kGapRight, kGapLine), kMeasure, 1, 5);
    PaintAt(painter, Math("15~\"mm\"", label), QPointF(kGapRight + 17, 68));
    return image;
}

}  // namespace

PictureList DrawDipolePictures(int scale) {
    return {{QStringLiteral("MYBMP.png"), FoldedDipole(scale)}};
}

}  // namespace kalvora::draw
