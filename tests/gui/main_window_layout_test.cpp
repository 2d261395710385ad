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

}  // namespace
}  // namespace kalvora::testing
