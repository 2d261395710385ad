// SPDX-License-Identifier: MIT
#include "forms/scaled_picture.h"

#include "resources/resource_paths.h"

namespace kalvora {

QPixmap PictureForRatio(const QString& path, qreal ratio) {
    if (ratio > 1 && !path.isEmpty()) {
        QPixmap doubled(resources::ScaledPicturePath(path, 2));
        if (!doubled.isNull()) {
            doubled.setDevicePixelRatio(2);
            return doubled;
        }
    }
    return QPixmap(path);
}

}  // namespace kalvora
