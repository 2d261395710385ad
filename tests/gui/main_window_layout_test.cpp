// SPDX-License-Identifier: MIT
// The layout of the client area when the window is resized.
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>

#include "main_window_fixture.h"
#include "model/geometry.h"
#include "qt/forms/qt_rect.h"

namespace kalvora::testing {
namespace {

class LayoutTest : public MainWindowTest {
protected:
    QWidget* StatusBar() const { return window->findChild<QStatusBar*>("statusBar"); }
    QWidget* Gauge() const { return window->findChild<QProgressBar*>("memoryGauge"); }

    // Checks every child: the toolbar across the top, the status bar across the bottom, and the
    // panel, the gauge and the active form between them where the model's resize layout puts them.
    void ExpectLaidOut() const {
        const int width = Client()->width();
        const int height = Client()->height();
        const int top = Toolbar()->height();
        const int status = StatusBar()->height();
        EXPECT_GT(top, 0);
        EXPECT_GT(status, 0);
        EXPECT_EQ(Toolbar()->geometry(), QRect(0, 0, width, top));
        const ColumnLayout columns = ResizeLayout(width, height, top, status);
        ASSERT_NE(OpenPanel(), nullptr);
        EXPECT_EQ(OpenPanel()->geometry(), ToQRect(columns.panel));
        ASSERT_NE(ActiveForm(), nullptr);
        EXPECT_EQ(ActiveForm()->geometry(), ToQRect(columns.form));
        EXPECT_EQ(Gauge()->geometry(), ToQRect(columns.gauge));
        EXPECT_EQ(StatusBar()->geometry(), QRect(0, height - status, width, status));
    }
};

TEST_F(LayoutTest, ResizingLaysOutPanelGaugeFormAndBars) {
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

TEST_F(LayoutTest, LayoutFollowsTheFormAndPanelOpenedLast) {
    Show();
    window->RunCommand(1602);  // mechanics: its panel and its first form
    ClickPanelLabel(229);      // then the gravitational acceleration
    window->resize(700, 640);
    QCoreApplication::processEvents();
    ASSERT_EQ(window->State().panel->field, Field::Mechanics);
    EXPECT_EQ(ActiveForm(), FormOf("gravitational-acceleration"));
    ExpectLaidOut();
}

TEST_F(LayoutTest, TheMixingFormWideningTheWindowLaysOutTheShell) {
    Show();
    window->RunCommand(1604);  // gases and liquids
    const QRect before = window->geometry();
    ClickPanelLabel(258);
    QCoreApplication::processEvents();

    // The form widened the window to 660 pixels; the resize put the panel and the gauge between
    // the bars and the status bar at the new bottom.
    EXPECT_EQ(window->frameGeometry().width(), 660);
    const int top = Toolbar()->height();
    const ColumnLayout columns =
        ResizeLayout(Client()->width(), Client()->height(), top, StatusBar()->height());
    EXPECT_EQ(Toolbar()->width(), Client()->width());
    EXPECT_EQ(OpenPanel()->geometry(), ToQRect(columns.panel));
    EXPECT_EQ(Gauge()->geometry(), ToQRect(columns.gauge));
    EXPECT_EQ(StatusBar()->geometry().bottom(), Client()->height() - 1);
    EXPECT_EQ(StatusBar()->width(), Client()->width());

    // Storno gives the window back its rectangle, and the shell follows again.
    QTest::keyClick(ActiveForm(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->geometry(), before);
    EXPECT_EQ(StatusBar()->width(), Client()->width());
    EXPECT_EQ(Gauge()->height(), Client()->height() - top - StatusBar()->height());
}

}  // namespace
}  // namespace kalvora::testing
