// SPDX-License-Identifier: MIT
#include "drawing_kit.h"

#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

namespace kalvora::draw {

QString ScaledPath(const QString& path, int scale) {
    if (scale == 1) return path;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QString suffix = QStringLiteral("@%1x").arg(scale);
    return dot < 0 ? path + suffix : path.left(dot) + suffix + path.mid(dot);
}

QImage WhiteCanvas(int width, int height, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    return image;
}

QImage ClearCanvas(int width, int height, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

void Smooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

namespace {

// A filled arrowhead with its point at `tip`, pointing away from `from`.
void ArrowHead(QPainter& painter, QPointF from, QPointF tip, const QColor& colour, qreal head) {
    const QLineF shaft(tip, from);
    if (shaft.length() <= 0) return;
    const QPointF along = (from - tip) / shaft.length();
    const QPointF across(-along.y(), along.x());
    const QPointF back = tip + along * head;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({tip, back + across * (head * 0.42), back - across * (head * 0.42)}));
}

// The point `head` short of `tip`, where a shaft meets the arrowhead.
QPointF ShaftEnd(QPointF from, QPointF tip, qreal head) {
    const QLineF shaft(tip, from);
    if (shaft.length() <= 0) return tip;
    return tip + (from - tip) / shaft.length() * (head * 0.8);
}

}  // namespace

void Arrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, qreal width, qreal head) {
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from, ShaftEnd(from, to, head));
    ArrowHead(painter, from, to, colour, head);
    painter.restore();
}

void DimensionLine(QPainter& painter, QPointF a, QPointF b, const QColor& colour, qreal head) {
    painter.save();
    painter.setPen(QPen(colour, 1, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(ShaftEnd(b, a, head), ShaftEnd(a, b, head));
    ArrowHead(painter, b, a, colour, head);
    ArrowHead(painter, a, b, colour, head);
    painter.restore();
}

void ShadedBall(QPainter& painter, QPointF centre, qreal radius, const QColor& colour) {
    QRadialGradient light(centre, radius, centre - QPointF(radius * 0.4, radius * 0.45));
    light.setColorAt(0, colour.lighter(185));
    light.setColorAt(0.55, colour);
    light.setColorAt(1, colour.darker(170));
    painter.save();
    painter.setPen(QPen(colour.darker(220), 1));
    painter.setBrush(light);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

MathStyle Style(int pixelSize, const QColor& ink) {
    MathStyle style;
    style.pixelSize = pixelSize;
    style.ink = ink;
    return style;
}

}  // namespace kalvora::draw
