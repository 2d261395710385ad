// SPDX-License-Identifier: MIT
// The layout of the client area when the window is resized.
#include <QStatusBar>
#include <QToolBar>

#include "calc/catalogue.h"
#include "forms/calculator_form.h"
#include "main_window_fixture.h"

namespace kalvora::testing {
namespace {

// Checks every child against the rules: toolbar across the top (height T), status bar across
// the bottom (height S), and between them (height H = client height - T - S) the panel at x 0,
// 170 wide, the gauge at x 171, 18 wide, and the active form from x 190 to the right edge.
void ExpectLaidOut() {
    const int width = Registry().client->width();
    const int height = Registry().client->height();
    const int top = Registry().toolbar->height();
    const int status = Registry().statusBar->height();
    const int middle = height - top - status;
    EXPECT_GT(top, 0);
    EXPECT_GT(status, 0);
    EXPECT_EQ(Registry().toolbar->geometry(), QRect(0, 0, width, top));
    for (const QPointer<QWidget>& panel : Registry().panels) {
        if (!panel) continue;
        EXPECT_EQ(panel->geometry(), QRect(0, top, 170, middle));
    }
    ASSERT_NE(Registry().activeCalculator, nullptr);
    EXPECT_EQ(Registry().activeCalculator->geometry(), QRect(190, top, width - 190, middle));
    EXPECT_EQ(Registry().gauge->geometry(), QRect(171, top, 18, middle));
    EXPECT_EQ(Registry().statusBar->geometry(), QRect(0, height - status, width, status));
}

TEST_F(MainWindowTest, ResizingLaysOutPanelGaugeFormAndBars) {
    Show();
    const QSize sizes[] = {{800, 700}, {640, 480}, {581, 600}, {1200, 900}};
    for (const QSize& size : sizes) {
        SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
        window->resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(window->size(), size);
        ExpectLaidOut();
    }
}

TEST_F(MainWindowTest, LayoutFollowsTheFormAndPanelOpenedLast) {
    Show();
    window->RunCommand(1602);  // mechanics: its panel, and its first form where it exists
    const FormDefinition* voltage = FindForm("voltage");
    ASSERT_NE(voltage, nullptr);
    OpenForm(*voltage);
    window->resize(700, 640);
    QCoreApplication::processEvents();
    ASSERT_NE(Registry().panels[std::size_t(Field::Mechanics)], nullptr);
    EXPECT_EQ(Registry().activeCalculator, Registry().forms[FormSlot(*voltage)]);
    ExpectLaidOut();
}

TEST_F(MainWindowTest, TheMixingFormWideningTheWindowLaysOutTheShell) {
    Show();
    window->RunCommand(1604);  // gases and liquids
    const FormDefinition* mixing = FindForm("liquid-mixing");
    ASSERT_NE(mixing, nullptr);
    const QRect before = window->geometry();
    OpenForm(*mixing);
    QCoreApplication::processEvents();

    // The form widened the window to 660 pixels; the resize put the panel and the gauge between
    // the bars and the status bar at the new bottom.
    EXPECT_EQ(window->frameGeometry().width(), 660);
    const int top = Registry().toolbar->height();
    const int middle = Client()->height() - top - Registry().statusBar->height();
    EXPECT_EQ(Registry().toolbar->width(), Client()->width());
    EXPECT_EQ(Registry().panels[std::size_t(Field::GasesAndLiquids)]->geometry(), QRect(0, top, 170, middle));
    EXPECT_EQ(Registry().gauge->geometry(), QRect(171, top, 18, middle));
    EXPECT_EQ(Registry().statusBar->geometry().bottom(), Client()->height() - 1);
    EXPECT_EQ(Registry().statusBar->width(), Client()->width());

    // Storno gives the window back its rectangle, and the shell follows again.
    QTest::keyClick(Registry().activeCalculator, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->geometry(), before);
    EXPECT_EQ(Registry().statusBar->width(), Client()->width());
    EXPECT_EQ(Registry().gauge->height(), Client()->height() - top - Registry().statusBar->height());
}

}  // namespace
}  // namespace kalvora::testing
