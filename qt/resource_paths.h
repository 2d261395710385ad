// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>

#include "model/shell_data.h"

namespace kalvora::resources {

// Paths of the pictures embedded in the program (Qt resource system, prefix /kalvora).
inline QString IconPath() {
    return QStringLiteral(":/kalvora/icon201.png");
}  // 32x32
inline QString HandCursorPath() {
    return QStringLiteral(":/kalvora/cursor200.png");
}  // 32x32, hot spot 0,0
inline QString DipoleSketchPath() {
    return QStringLiteral(":/kalvora/MYBMP.png");
}  // 229x97
// The help picture with this id; a missing id has no file.
inline QString HelpPicturePath(int id) {
    return QStringLiteral(":/kalvora/help/%1.png").arg(id);
}

// A picture drawn at `scale` times its size lies beside the picture itself, named by Qt's rule
// for screens with that device pixel ratio: "help/2002@2x.png" beside "help/2002.png".
inline QString ScaledPicturePath(const QString& path, int scale) {
    if (scale == 1) return path;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString suffix = QStringLiteral("@%1x").arg(scale);
    return dot <= slash ? path + suffix : path.left(dot) + suffix + path.mid(dot);
}

// The toolbar strip is a file beside the program, not a resource.
inline QString ToolbarFileName() {
    return QString::fromUtf8(text::kToolbarFileName.data(), qsizetype(text::kToolbarFileName.size()));
}
// The strip drawn at twice the size lies beside it.
inline QString DoubleToolbarFileName() {
    return ScaledPicturePath(ToolbarFileName(), 2);
}
// The strip's background, a button-face grey that no drawn pixel has: a toolbar can make it
// transparent with QPixmap::createMaskFromColor.
inline QRgb ToolbarBackground() {
    return qRgb(192, 192, 192);
}

}  // namespace kalvora::resources
