// SPDX-License-Identifier: MIT
#include "forms/static_cursor.h"

#include <QGuiApplication>
#include <QPixmap>

#include "forms/scaled_picture.h"
#include "resources/resource_paths.h"

namespace kalvora {

QCursor StaticControlCursor() {
    // A cursor belongs to no one window: it is drawn for the finest screen.
    const QPixmap hand = PictureForRatio(resources::HandCursorPath(), qApp->devicePixelRatio());
    if (hand.isNull()) return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, 0, 0);
}

}  // namespace kalvora
