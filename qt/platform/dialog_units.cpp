// SPDX-License-Identifier: MIT
#include "qt/platform/dialog_units.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>

namespace kalvora::platform {
namespace {

// a * b / c rounded to the nearest integer, halves away from zero, as MulDiv does.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

BaseUnits DialogBaseUnits(const QFont& font) {
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFontMetrics metrics(font);
    return {(metrics.horizontalAdvance(alphabet) / 26 + 1) / 2, metrics.height()};
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
    switch (font) {
    case DialogFont::Dialog9pt: return SansFont(9);
    case DialogFont::System: {
        QFont system = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        system.setFamilies({DialogFontFamily()});
        return system;
    }
    }
    return SansFont(9);
}

int DialogXToPixels(int x, BaseUnits base) { return MulDiv(x, base.x, 4); }

int DialogYToPixels(int y, BaseUnits base) { return MulDiv(y, base.y, 8); }

QRect DialogRectToPixels(int x, int y, int cx, int cy, BaseUnits base) {
    // The dialog manager maps position and size each on its own.
    return {DialogXToPixels(x, base), DialogYToPixels(y, base), DialogXToPixels(cx, base), DialogYToPixels(cy, base)};
}

}  // namespace kalvora::platform
