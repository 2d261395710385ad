// SPDX-License-Identifier: MIT
// The dialog fonts and what is measured of them for the model's dialog units.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include "qt/platform/dialog_units.h"

namespace kalvora::platform {
namespace {

TEST(DialogFonts, NinePointSansAndTheSystemFontInTheDialogFamily) {
#if defined(Q_OS_WIN)
    const QString family = QStringLiteral("MS Shell Dlg 2");
#else
    const QString family = QFontDatabase::hasFamily(QStringLiteral("Liberation Sans")) ? QStringLiteral("Liberation Sans")
                                                                                         : QApplication::font().family();
#endif
    EXPECT_EQ(DialogFontFamily(), family);
    const QFont dialog = DialogFontFor(DialogFont::Dialog9pt);
    EXPECT_EQ(dialog.pointSize(), 9);
    EXPECT_EQ(dialog.family(), family);
#if !defined(Q_OS_WIN)  // there the family is an alias that the system resolves
    EXPECT_EQ(QFontInfo(dialog).family(), family) << "the family is really used, not substituted";
#endif
    const QFont system = DialogFontFor(DialogFont::System);
    EXPECT_EQ(system.family(), family);
    EXPECT_EQ(system.pointSizeF(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).pointSizeF());
    EXPECT_EQ(SansFont(10).pointSize(), 10);
    EXPECT_EQ(SansFont(10).family(), family);
}

TEST(DialogBaseUnits, AverageLetterWidthRoundedAndFontHeight) {
    const QFont font = DialogFontFor(DialogFont::Dialog9pt);
    const BaseUnits base = DialogBaseUnits(font);
    const QFontMetrics metrics(font);
    EXPECT_EQ(base.y, metrics.height());
    // The rounded average of the 52 letters lies within half a pixel of the true average.
    int total = 0;
    for (char c = 'A'; c <= 'Z'; ++c) total += metrics.horizontalAdvance(QLatin1Char(c));
    for (char c = 'a'; c <= 'z'; ++c) total += metrics.horizontalAdvance(QLatin1Char(c));
    EXPECT_NEAR(base.x, total / 52.0, 0.5 + 1.0 / 52);
    EXPECT_GT(base.x, 0);
}

}  // namespace
}  // namespace kalvora::platform
