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

// The toolbar strip is a file beside the program, not a resource.
inline QString ToolbarFileName() {
    return QString::fromUtf8(text::kToolbarFileName.data(), qsizetype(text::kToolbarFileName.size()));
}
// The strip's background, a button-face grey that no drawn pixel has: a toolbar can make it
// transparent with QPixmap::createMaskFromColor.
inline QRgb ToolbarBackground() {
    return qRgb(192, 192, 192);
}

}  // namespace kalvora::resources
