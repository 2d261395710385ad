// SPDX-License-Identifier: MIT
// Dialog units to pixels, as the platform's dialog manager converts them.
#include <gtest/gtest.h>

#include <ostream>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include "qt/platform/dialog_units.h"

namespace kalvora::platform {
namespace {

struct ConversionCase {
    const char* name;
    int units;
    BaseUnits base;
    int x, y;  // the pixels for `units` taken horizontally and vertically

    friend void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.name; }
};

class DialogUnitConversionTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(DialogUnitConversionTest, RoundsLikeMulDiv) {
    EXPECT_EQ(DialogXToPixels(GetParam().units, GetParam().base), GetParam().x);
    EXPECT_EQ(DialogYToPixels(GetParam().units, GetParam().base), GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DialogUnitConversionTest,
    ::testing::Values(ConversionCase{"Zero", 0, {7, 14}, 0, 0},
                      ConversionCase{"Exact", 8, {7, 14}, 14, 14},              // 56/4, 112/8
                      ConversionCase{"RoundsDown", 157, {7, 14}, 275, 275},     // 274.75, 274.75
                      ConversionCase{"RoundsUp", 25, {7, 14}, 44, 44},          // 43.75, 43.75
                      ConversionCase{"HalfAwayFromZero", 1, {6, 12}, 2, 2},     // 1.5, 1.5
                      ConversionCase{"NegativeHalf", -1, {6, 12}, -2, -2},      // -1.5, -1.5
                      ConversionCase{"Negative", -3, {7, 14}, -5, -5},          // -5.25, -5.25
                      ConversionCase{"SystemFont", 188, {8, 16}, 376, 376}),   // 376, 376
    [](const auto& info) { return std::string(info.param.name); });

TEST(DialogRect, PositionAndSizeAreConvertedEachOnItsOwn) {
    // 15 * 7 / 4 = 26.25 and 157 * 7 / 4 = 274.75: the size is not right edge minus left edge.
    EXPECT_EQ(DialogRectToPixels(15, 25, 157, 24, {7, 14}), QRect(26, 44, 275, 42));
}

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
