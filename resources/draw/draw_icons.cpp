// SPDX-License-Identifier: MIT
// The window icon (three bands) and the hand cursor of the topic labels.
#include <QPainter>
#include <QPainterPath>

#include "drawing_kit.h"

namespace kalvora::draw {
namespace {

// Green over blue over red, 10, 11 and 11 rows, fully opaque.
QImage WindowIcon() {
    QImage image(32, 32, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 32, 10, QColor(0, 255, 0));
    painter.fillRect(0, 10, 32, 11, QColor(0, 0, 255));
    painter.fillRect(0, 21, 32, 11, QColor(255, 0, 0));
    return image;
}

// A white gloved hand pointing to the left with a black outline. The hot spot is (0, 0), so the
// tip of the index finger fills the top-left corner; the curled fingers, the back of the hand and
// the cuff lie to the right of and below it.
QImage HandCursor() {
    QImage image = ClearCanvas(32, 32);
    QPainter painter(&image);
    Smooth(painter);
    QPainterPath finger;
    finger.addRoundedRect(QRectF(0.5, 0.5, 17, 6), 2, 2);
    QPainterPath hand = finger;
    const QRectF curled[] = {{7.5, 6.5, 11, 5}, {8.5, 11.5, 10, 5}, {10.5, 16.5, 8, 5}};
    for (const QRectF& knuckle : curled) {
        QPainterPath part;
        part.addRoundedRect(knuckle, 2.5, 2.5);
        hand = hand.united(part);
    }
    QPainterPath back;
    back.addRoundedRect(QRectF(15.5, 1.5, 10, 21), 3, 3);
    hand = hand.united(back);
    QPainterPath thumb;
    thumb.moveTo(16.5, 1.5);
    thumb.cubicTo(19, -1, 22.5, 0.5, 24.5, 2.5);
    thumb.lineTo(24.5, 8.5);
    thumb.lineTo(16.5, 8.5);
    thumb.closeSubpath();
    hand = hand.united(thumb).simplified();

    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);
    // The creases between the curled fingers and where the finger leaves the hand.
    painter.drawLine(QPointF(9.5, 6.5), QPointF(15.5, 6.5));
    painter.drawLine(QPointF(10, 11.5), QPointF(15.5, 11.5));
    painter.drawLine(QPointF(12, 16.5), QPointF(15.5, 16.5));
    // The cuff.
    painter.setBrush(QColor(235, 235, 235));
    painter.drawRect(QRectF(25.5, 2.5, 5, 19));
    return image;
}

}  // namespace

PictureList DrawIconPictures() {
    return {{QStringLiteral("icon201.png"), WindowIcon()}, {QStringLiteral("cursor200.png"), HandCursor()}};
}

}  // namespace kalvora::draw
