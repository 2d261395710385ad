// SPDX-License-Identifier: MIT
#include "qt/forms/window_edges.h"

#include <QPainter>
#include <QWidget>

namespace kalvora {

void PaintEdge(QPainter& painter, const QRect& outer, const QPalette& palette, WindowEdge edge) {
    QRect ring = outer;
    for (const EdgeRing& shades : edge) {
        if (ring.width() <= 0 || ring.height() <= 0) return;
        const QColor topLeft = palette.color(shades.topLeft);
        const QColor bottomRight = palette.color(shades.bottomRight);
        // As the platform draws an edge: the bottom and right lines take the two far corners.
        painter.fillRect(ring.left(), ring.top(), ring.width() - 1, 1, topLeft);
        painter.fillRect(ring.left(), ring.top() + 1, 1, ring.height() - 2, topLeft);
        painter.fillRect(ring.left(), ring.bottom(), ring.width(), 1, bottomRight);
        painter.fillRect(ring.right(), ring.top(), 1, ring.height() - 1, bottomRight);
        ring.adjust(1, 1, -1, -1);
    }
}

void ReserveEdge(QWidget& widget, WindowEdge edge) {
    const int width = EdgeWidth(edge);
    widget.setContentsMargins(width, width, width, width);
}

}  // namespace kalvora
