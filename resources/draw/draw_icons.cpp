// SPDX-License-Identifier: MIT
// The window icon (three bands), the same icon at the web app's sizes, and the hand cursor of the
// topic labels.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "drawing_kit.h"

namespace kalvora::draw {
namespace {

constexpr int kIcon = 32;

// Green over blue over red, 10, 11 and 11 rows of 32, fully opaque, in a square of 32 * scale.
void Bands(QPainter& painter, int scale) {
    painter.save();
    painter.scale(scale, scale);
    painter.fillRect(0, 0, kIcon, 10, QColor(0, 255, 0));
    painter.fillRect(0, 10, kIcon, 11, QColor(0, 0, 255));
    painter.fillRect(0, 21, kIcon, 11, QColor(255, 0, 0));
    painter.restore();
}

QImage WindowIcon(int scale) {
    QImage image(kIcon * scale, kIcon * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    Bands(painter, scale);
    painter.end();
    image.setDevicePixelRatio(scale);
    return image;
}

// The page's background colour (the web app's manifest names it too).
const QColor kAppBackground(0xf0, 0xf0, 0xf0);

// An icon for launchers that cut it to a circle or a rounded shape: only a circle of 40 % of the
// size about the centre is sure to be shown, so the bands fill the largest square of whole
// multiples of 32 inside that circle, on an opaque background that fills the whole picture.
QImage MaskableIcon(int size) {
    const double safeRadius = 0.4 * size;
    // The square's half diagonal is at most the safe radius.
    const int scale = std::max(1, static_cast<int>(safeRadius * std::sqrt(2.0)) / kIcon);
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(kAppBackground);
    QPainter painter(&image);
    const int offset = (size - kIcon * scale) / 2;
    painter.translate(offset, offset);
    Bands(painter, scale);
    return image;
}

// A white gloved hand pointing to the left with a black outline. The hot spot is (0, 0), so the
// tip of the index finger fills the top-left corner; the curled fingers, the back of the hand and
// the cuff lie to the right of and below it.
QImage HandCursor(int scale) {
    QImage image = ClearCanvas(kIcon, kIcon, scale);
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

PictureList DrawIconPictures(int scale) {
    return {{QStringLiteral("icon201.png"), WindowIcon(scale)},
            {QStringLiteral("cursor200.png"), HandCursor(scale)}};
}

PictureList DrawAppIcons() {
    // 192 and 512 are whole multiples of 32 (6 and 16), so the bands keep their exact rows.
    return {{QStringLiteral("app-icons/icon-192.png"), WindowIcon(192 / kIcon)},
            {QStringLiteral("app-icons/icon-512.png"), WindowIcon(512 / kIcon)},
            {QStringLiteral("app-icons/icon-maskable-512.png"), MaskableIcon(512)}};
}

}  // namespace kalvora::draw
