// SPDX-License-Identifier: MIT
#include "forms/static_cursor.h"

#include <QPixmap>

#include "resources/resource_paths.h"

namespace kalvora {

QCursor StaticControlCursor() {
    const QPixmap hand(resources::HandCursorPath());
    if (hand.isNull()) return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, 0, 0);
}

}  // namespace kalvora
