// SPDX-License-Identifier: MIT
#include "qt/platform/dialog_units.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>

namespace kalvora::platform {

FontMetrics MeasureFont(const QFont& font) {
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(alphabet), metrics.height(), metrics.averageCharWidth()};
}

BaseUnits DialogBaseUnits(const QFont& font) {
    return BaseUnitsOf(MeasureFont(font));
}

QString DialogFontFamily() {
#if defined(Q_OS_WIN)
    return QStringLiteral("MS Shell Dlg 2");
#else
    // The templates were laid out for the narrow sans face of Windows dialogs; the desktop's
    // default sans is often much wider and would cut captions off. Liberation Sans has Arial's
    // metrics, so texts take the room they were given.
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))
                                      ? QStringLiteral("Liberation Sans")
                                      : QApplication::font().family();
    return family;
#endif
}

QFont SansFont(int points) {
    QFont font = QApplication::font();
    font.setFamilies({DialogFontFamily()});
    font.setPointSize(points);
    return font;
}

QFont DialogFontFor(DialogFont font) {
    return FontForRole(font == DialogFont::System ? FontRole::System : FontRole::Dialog);
}

QFont FontForRole(FontRole role) {
    const FontFace face = FontFor(role);
    QFont font;
    if (!face.family.empty()) {
        font = QFont(QString::fromUtf8(face.family.data(), qsizetype(face.family.size())));
    } else if (face.points > 0 || face.pixels > 0) {
        font = SansFont(face.points > 0 ? face.points : 9);
    } else {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setFamilies({DialogFontFamily()});
    }
    if (face.pixels > 0) font.setPixelSize(face.pixels);
    if (face.italic) font.setItalic(true);
    if (face.underline) font.setUnderline(true);
    if (face.weight == FontWeight::DemiBold) font.setWeight(QFont::DemiBold);
    return font;
}

QRect DialogRectToPixels(int x, int y, int cx, int cy, BaseUnits base) {
    const Rect rect = kalvora::DialogRectToPixels(x, y, cx, cy, base);
    return {rect.left, rect.top, rect.width(), rect.height()};
}

}  // namespace kalvora::platform
