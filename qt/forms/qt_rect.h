// SPDX-License-Identifier: MIT
// The model's rectangles (right and bottom exclusive) as Qt's and back.
#pragma once

#include <QRect>

#include "model/geometry.h"

namespace kalvora {

inline QRect ToQRect(const Rect& rect) {
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

inline Rect ToRect(const QRect& rect) {
    return Rect::FromSize(rect.x(), rect.y(), rect.width(), rect.height());
}

}  // namespace kalvora
