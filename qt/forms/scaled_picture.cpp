// SPDX-License-Identifier: MIT
#include "qt/forms/scaled_picture.h"

#include <algorithm>

#include "qt/resource_paths.h"

namespace kalvora {

QPixmap PictureForRatio(const QString& path, qreal ratio) {
    if (ratio > 1 && !path.isEmpty()) {
        QPixmap doubled(resources::ScaledPicturePath(path, 2));
        if (!doubled.isNull()) {
            // Between 1 and 2 (125 %, 150 %) the twin is shrunk here with smooth filtering to the
            // screen's own pixels, so that it is drawn pixel for pixel rather than thinned out.
            const qreal scale = std::min<qreal>(ratio, 2);
            if (scale < 2) {
                const QSize pixels(qRound(doubled.width() * scale / 2), qRound(doubled.height() * scale / 2));
                doubled = doubled.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            }
            doubled.setDevicePixelRatio(scale);
            return doubled;
        }
    }
    return QPixmap(path);
}

}  // namespace kalvora
