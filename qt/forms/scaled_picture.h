// SPDX-License-Identifier: MIT
// The embedded pictures at the screen's pixel density.
#pragma once

#include <QPixmap>
#include <QString>

namespace kalvora {

// The picture at `path` for a screen with `ratio` device pixels per point: above 1, its twin drawn
// at twice the size (resources::ScaledPicturePath) when there is one, with a device pixel ratio
// that makes it take the same room as the picture itself: 2, or the screen's ratio between 1 and
// 2, to which it is then shrunk. Otherwise the picture itself; a null pixmap when neither exists.
QPixmap PictureForRatio(const QString& path, qreal ratio);

}  // namespace kalvora
