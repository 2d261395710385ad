// SPDX-License-Identifier: MIT
// Newton's law between two bodies (2000) and the forces on a body on the rotating Earth (234).
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "drawing_kit.h"

namespace kalvora::draw {
namespace {

const QColor kForce(200, 0, 0);
const QColor kMeasure(0, 0, 0);

// A label whose ink is centred on a point.
void LabelAt(QPainter& painter, const QString& markup, QPointF centre, const MathStyle& style) {
    const Box box = Math(markup, style);
    PaintCentred(painter, box, QRectF(centre.x() - 50, centre.y() - 50, 100, 100));
}

QImage TwoBodies(int scale) {
    QImage image = WhiteCanvas(176, 87, scale);
    QPainter painter(&image);
    Smooth(painter);
    const QPointF first(26, 21);
    const QPointF second(150, 21);
    const qreal firstRadius = 15;
    const qreal secondRadius = 11;

    // The distance between the centres, measured below the bodies.
    painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
    painter.drawLine(first, first + QPointF(0, 27));
    painter.drawLine(second, second + QPointF(0, 27));
    DimensionLine(painter, QPointF(first.x(), 45.5), QPointF(second.x(), 45.5), kMeasure, 5);
    LabelAt(painter, "r", QPointF(88, 39), Style(13));

    ShadedBall(painter, first, firstRadius, QColor(70, 110, 170));
    ShadedBall(painter, second, secondRadius, QColor(150, 80, 35));
    LabelAt(painter, "m_1", first + QPointF(0, 1), Style(12, Qt::white));
    LabelAt(painter, "m_2", second + QPointF(0, 1), Style(11, Qt::white));

    // Each body is pulled towards the other.
    Arrow(painter, first + QPointF(firstRadius + 1, 0), first + QPointF(firstRadius + 27, 0), kForce, 1.6, 7);
    Arrow(painter, second - QPointF(secondRadius + 1, 0), second - QPointF(secondRadius + 27, 0), kForce, 1.6,
          7);
    LabelAt(painter, "F_g", QPointF(first.x() + firstRadius + 14, 11), Style(12, kForce));
    LabelAt(painter, "−F_g", QPointF(second.x() - secondRadius - 14, 11), Style(12, kForce));

    const MathStyle style = Style(13);
    const Box law =
        Row({Math("F_g =", style), Frac(Math("κ · m_1 · m_2", style), Math("r^2", style), style)});
    PaintCentred(painter, law, QRectF(0, 52, 176, 35));
    return image;
}

// The Earth, its axis and turning, and a body at 40° north with the forces acting on it.
void Earth(QPainter& painter, QPointF centre, qreal radius) {
    QRadialGradient sea(centre, radius, centre - QPointF(radius * 0.35, radius * 0.4));
    sea.setColorAt(0, QColor(245, 250, 255));
    sea.setColorAt(0.6, QColor(200, 225, 250));
    sea.setColorAt(1, QColor(140, 180, 230));
    painter.setPen(QPen(QColor(40, 80, 150), 1));
    painter.setBrush(sea);
    painter.drawEllipse(centre, radius, radius);

    // The equator and two meridians, faint.
    painter.setPen(QPen(QColor(90, 140, 210, 120), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius * 0.22);
    painter.drawEllipse(centre, radius * 0.5, radius);

    // The axis, beyond both poles, and the turning ω round it.
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawLine(centre - QPointF(0, radius + 12), centre + QPointF(0, radius + 9));
    painter.setPen(QPen(Qt::black, 1.2));
    const QRectF turn(centre.x() - 12, centre.y() - radius - 14, 24, 8);
    painter.drawArc(turn, 200 * 16, 300 * 16);
    const qreal end = qDegreesToRadians(140.0);
    const QPointF tip(turn.center().x() + 12 * std::cos(end), turn.center().y() - 4 * std::sin(end));
    Arrow(painter, tip + QPointF(3, 1.6), tip, Qt::black, 1.2, 5);
}

QImage RotatingEarth(int scale) {
    QImage image = WhiteCanvas(243, 122, scale);
    QPainter painter(&image);
    Smooth(painter);
    const QPointF centre(60, 64);
    const qreal radius = 44;
    Earth(painter, centre, radius);
    LabelAt(painter, "ω", QPointF(centre.x() + 20, centre.y() - radius - 12), Style(13));

    // The radius, towards the lower left.
    const qreal down = qDegreesToRadians(215.0);
    const QPointF rim = centre + QPointF(radius * std::cos(down), -radius * std::sin(down));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(centre, rim);
    painter.setBrush(Qt::black);
    painter.drawEllipse(centre, 1.6, 1.6);
    LabelAt(painter, "R_Z", QPointF(41, 62), Style(12));

    // The body on the surface and its forces: Fg towards the centre, Fs away from the axis,
    // and their sum FG, the weight the body shows.
    const qreal latitude = qDegreesToRadians(40.0);
    const QPointF body = centre + QPointF(radius * std::cos(latitude), -radius * std::sin(latitude));
    const QPointF inward = (centre - body) / radius;
    const QPointF gravity = inward * 30;
    const QPointF outward(13, 0);
    const QPointF weight = gravity + outward;
    painter.setPen(QPen(QColor(90, 90, 90), 1, Qt::DotLine));
    painter.drawLine(body + gravity, body + weight);
    painter.drawLine(body + outward, body + weight);
    painter.setPen(QPen(Qt::black, 0.8, Qt::DashLine));
    painter.drawLine(QPointF(centre.x(), body.y()), body);
    Arrow(painter, body, body + gravity, kForce, 1.5, 6);
    Arrow(painter, body, body + outward, kForce, 1.5, 6);
    Arrow(painter, body, body + weight, QColor(0, 130, 0), 1.5, 6);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(240, 200, 60));
    painter.drawRect(QRectF(body.x() - 3.5, body.y() - 3.5, 7, 7));
    LabelAt(painter, "F_g", body + gravity + QPointF(-9, -3), Style(12, kForce));
    LabelAt(painter, "F_s", body + outward + QPointF(8, -4), Style(12, kForce));
    LabelAt(painter, "F_G", body + weight + QPointF(9, 5), Style(12, QColor(0, 130, 0)));

    const MathStyle style = Style(14);
    const Box forceLaw =
        Row({Math("F_g =", style), Frac(Math("κ · m · M", style), Math("r^2", style), style)});
    const Box fieldLaw = Row({Math("K =", style), Frac(Math("κ · M", style), Math("r^2", style), style)});
    const qreal width = std::max(forceLaw.width, fieldLaw.width);
    const Box force = Framed(forceLaw, 4, style, width);
    const Box field = Framed(fieldLaw, 4, style, width);
    PaintCentred(painter, Column({force, field}, 12, Align::Centre), QRectF(128, 0, 113, 122));
    return image;
}

}  // namespace

PictureList DrawGravitationPictures(int scale) {
    return {{QStringLiteral("help/2000.png"), TwoBodies(scale)},
            {QStringLiteral("help/234.png"), RotatingEarth(scale)}};
}

}  // namespace kalvora::draw
