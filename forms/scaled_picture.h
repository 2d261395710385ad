// SPDX-License-Identifier: MIT
// The embedded pictures at the screen's pixel density.
#pragma once

#include <QPixmap>
#include <QString>

namespace kalvora {

// The picture at `path` for a screen with `ratio` device pixels per point: above 1, its twin drawn
// at twice the size (resources::ScaledPicturePath) when there is one, marked with device pixel
// ratio 2 so that it takes the same room as the picture itself; otherwise the picture itself.
// A null pixmap when neither exists.
QPixmap PictureForRatio(const QString& path, qreal ratio);

}  // namespace kalvora
