// SPDX-License-Identifier: MIT
// The coaxial cable picture (2011): a cable with both ends bared (copper core, white dielectric,
// braided shield, black jacket) and a red line measuring it from shield end to shield end.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <utility>

#include "drawing_kit.h"

namespace kalvora::draw {
namespace {

constexpr qreal kAxisY = 52;
const QColor kMeasure(220, 0, 0);

// A length of round material seen from the side: lit from above, shaded below.
void Cylinder(QPainter& painter, qreal left, qreal right, qreal thickness, const QColor& colour) {
    const QRectF body(left, kAxisY - thickness / 2, right - left, thickness);
    QLinearGradient light(body.topLeft(), body.bottomLeft());
    light.setColorAt(0, colour.darker(130));
    light.setColorAt(0.3, colour.lighter(150));
    light.setColorAt(0.55, colour);
    light.setColorAt(1, colour.darker(200));
    painter.setPen(QPen(colour.darker(250), 0.8));
    painter.setBrush(light);
    painter.drawRoundedRect(body, 1.5, 1.5);
}

// The braided shield: a tinned copper cylinder crossed by the strands of the braid.
void Braid(QPainter& painter, qreal left, qreal right, qreal thickness) {
    Cylinder(painter, left, right, thickness, QColor(185, 180, 170));
    const QRectF body(left, kAxisY - thickness / 2, right - left, thickness);
    painter.save();
    painter.setClipRect(body.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(QPen(QColor(95, 90, 80), 0.8));
    for (qreal x = left - thickness; x < right + thickness; x += 3.2) {
        painter.drawLine(QPointF(x, body.top()), QPointF(x + thickness, body.bottom()));
        painter.drawLine(QPointF(x + thickness, body.top()), QPointF(x, body.bottom()));
    }
    painter.restore();
}

// One bared end, from the tip of the core inward to where the jacket starts; `step` is +1 on the
// left end and −1 on the right. Returns where the shield ends and the dielectric begins.
qreal BaredEnd(QPainter& painter, qreal tip, qreal step) {
    const qreal coreEnd = tip + step * 22;
    const qreal dielectricEnd = coreEnd + step * 20;
    const qreal braidEnd = dielectricEnd + step * 22;
    auto span = [](qreal a, qreal b) { return std::pair{std::min(a, b), std::max(a, b)}; };
    const auto [coreLeft, coreRight] = span(tip, coreEnd + step * 3);
    Cylinder(painter, coreLeft, coreRight, 4.5, QColor(205, 120, 60));
    const auto [dielectricLeft, dielectricRight] = span(coreEnd, dielectricEnd + step * 3);
    Cylinder(painter, dielectricLeft, dielectricRight, 11, QColor(245, 245, 240));
    const auto [braidLeft, braidRight] = span(dielectricEnd, braidEnd + step * 3);
    Braid(painter, braidLeft, braidRight, 15);
    return dielectricEnd;
}

QImage CoaxCable(int scale) {
    QImage image = WhiteCanvas(302, 72, scale);
    QPainter painter(&image);
    Smooth(painter);

    // Each layer is drawn before the one that covers its inner end.
    // The measuring marks stand on the first and last pixel column of the braid.
    const qreal leftShield = BaredEnd(painter, 6, 1) + 0.5;
    const qreal rightShield = BaredEnd(painter, 296, -1) - 0.5;
    Cylinder(painter, 70, 232, 18, QColor(45, 45, 48));

    // The length from shield to shield, measured above the cable.
    constexpr qreal kLineY = 29.5;
    painter.setPen(QPen(kMeasure, 1));
    painter.drawLine(QPointF(leftShield, kLineY - 5), QPointF(leftShield, kAxisY - 8));
    painter.drawLine(QPointF(rightShield, kLineY - 5), QPointF(rightShield, kAxisY - 8));
    DimensionLine(painter, QPointF(leftShield, kLineY), QPointF(rightShield, kLineY), kMeasure, 6);
    PaintCentred(painter, Text(QStringLiteral("délka od stínění po stínění"), Style(14, kMeasure), true),
                 QRectF(leftShield, 4, rightShield - leftShield, 20));
    return image;
}

}  // namespace

PictureList DrawCoaxPictures(int scale) {
    return {{QStringLiteral("help/2011.png"), CoaxCable(scale)}};
}

}  // namespace kalvora::draw
