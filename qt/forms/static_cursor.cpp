// SPDX-License-Identifier: MIT
#include "qt/forms/static_cursor.h"

#include <QGuiApplication>
#include <QPixmap>

#include "qt/forms/scaled_picture.h"
#include "qt/resource_paths.h"

namespace kalvora {

QCursor StaticControlCursor() {
    // A cursor belongs to no one window: it is drawn for the finest screen.
    const QPixmap hand = PictureForRatio(resources::HandCursorPath(), qApp->devicePixelRatio());
    if (hand.isNull()) return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, 0, 0);
}

}  // namespace kalvora
