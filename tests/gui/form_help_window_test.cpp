// SPDX-License-Identifier: MIT
// The topic help window and where it draws its picture.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <ostream>

#include "form_panel_fixture.h"
#include "qt/forms/help_window.h"
#include "qt/platform/dialog_units.h"
#include "qt/resource_paths.h"

namespace kalvora {
namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    QWidget* OpenHelp(int pictureId) {
        window_ = new HelpWindow(pictureId);
        window_->show();
        return window_;
    }
    void TearDown() override { delete window_.data(); }

    QPointer<HelpWindow> window_;
};

TEST_F(HelpWindowTest, OpensAsAnOwnerlessWindowAtTheScreenCorner) {
    QWidget* window = OpenHelp(2002);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(window->windowTitle(), "Nápověda k tématu");
    EXPECT_EQ(window->frameGeometry().topLeft(),
              QGuiApplication::primaryScreen()->geometry().topLeft() + QPoint(5, 5));
    const platform::BaseUnits base = platform::DialogBaseUnits(platform::SansFont(10));
    EXPECT_EQ(window->size(), platform::DialogRectToPixels(0, 0, 188, 103, base).size());
    EXPECT_EQ(window->findChild<QWidget*>("ctl233")->geometry(),
              platform::DialogRectToPixels(4, 3, 179, 77, base));
    EXPECT_EQ(window->findChild<QPushButton*>("ctl1")->text(), "OK");
}

// Esc leaves it open; Enter, OK and the close box close it, say so, and it goes.
TEST_F(HelpWindowTest, EscapeLeavesItOpenEnterAndOkClose) {
    for (const auto& [name, close] :
         {std::pair<const char*, void (*)(QWidget*)>{
              "Enter", [](QWidget* window) { QTest::keyClick(window, Qt::Key_Return); }},
          {"OK",
           [](QWidget* window) {
               QTest::mouseClick(window->findChild<QPushButton*>("ctl1"), Qt::LeftButton);
           }},
          {"close box", [](QWidget* window) { window->close(); }}}) {
        SCOPED_TRACE(name);
        QPointer<QWidget> window = OpenHelp(2002);
        QSignalSpy closing(window_.data(), &HelpWindow::closing);
        QTest::keyClick(window, Qt::Key_Escape);
        EXPECT_FALSE(window.isNull());
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(closing.count(), 0);
        close(window);
        EXPECT_EQ(closing.count(), 1);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull());
    }
}

TEST_F(HelpWindowTest, ResizingMovesNeitherFrameNorButton) {
    QWidget* window = OpenHelp(2002);
    const QRect frame = window->findChild<QWidget*>("ctl233")->geometry();
    window->resize(window->width() + 150, window->height() + 90);
    EXPECT_EQ(window->findChild<QWidget*>("ctl233")->geometry(), frame);
}

// The main window keeps one help window while the program holds it open: Help again raises
// it; once the user closed it, the next Help opens a new one.
class ProgramHelpWindowTest : public kalvora::testing::MainWindowTest {};

TEST_F(ProgramHelpWindowTest, IsShownOnceWhileTheProgramHoldsItOpen) {
    Show();
    QWidget* help = ActiveForm()->findChild<QWidget*>("ctl230");
    QTest::mouseClick(help, Qt::LeftButton);
    QPointer<QWidget> first = HelpWindow();
    ASSERT_FALSE(first.isNull());
    QTest::mouseClick(help, Qt::LeftButton);
    EXPECT_EQ(HelpWindow(), first);
    int helpWindows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<kalvora::HelpWindow*>(widget) ? 1 : 0;
    EXPECT_EQ(helpWindows, 1);

    QTest::mouseClick(first->findChild<QPushButton*>("ctl1"), Qt::LeftButton);
    EXPECT_FALSE(window->State().helpWindowOpen);
    EXPECT_EQ(HelpWindow(), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    QTest::mouseClick(help, Qt::LeftButton);
    EXPECT_NE(HelpWindow(), nullptr);
    EXPECT_TRUE(window->State().helpWindowOpen);
}

TEST_F(HelpWindowTest, AnIdWithoutPictureLeavesTheFrameEmpty) {
    ASSERT_TRUE(QPixmap(resources::HelpPicturePath(9999)).isNull());
    QWidget* window = OpenHelp(9999);
    window->grab().save(testing_support::ScreenshotFolder() + QStringLiteral("/help_none.png"));
    auto* frame = window->findChild<QFrame*>("ctl233");
    const QImage image = frame->grab().toImage();
    const QRect inside = frame->contentsRect();
    const QColor background = image.pixelColor(inside.center());
    for (int y = inside.top(); y <= inside.bottom(); y += 3)
        for (int x = inside.left(); x <= inside.right(); x += 3)
            ASSERT_EQ(image.pixelColor(x, y), background) << x << "," << y;
}

class HelpPictureTest : public HelpWindowTest, public ::testing::WithParamInterface<int> {};

// Each picture drawn at its own size with its top-left corner where the centring puts it; a
// picture larger than the frame is cut on both sides. Saves a screenshot of the window.
TEST_P(HelpPictureTest, DrawsTheStoredPictureCentredAtItsOwnSize) {
    const int id = GetParam();
    const QImage picture(resources::HelpPicturePath(id));
    ASSERT_FALSE(picture.isNull()) << id;
    QWidget* window = OpenHelp(id);
    window->grab().save(testing_support::ScreenshotFolder() + QStringLiteral("/help_%1.png").arg(id));
    auto* frame = window->findChild<QFrame*>("ctl233");
    const QImage image = frame->grab().toImage();
    const QRect inside = frame->contentsRect();
    const QPoint origin = inside.topLeft() + CentredPictureOrigin(inside.size(), picture.size());
    int compared = 0;
    for (int y = 0; y < picture.height(); y += 7)
        for (int x = 0; x < picture.width(); x += 7) {
            const QPoint at = origin + QPoint(x, y);
            if (!inside.contains(at)) continue;  // cut off
            ASSERT_EQ(image.pixelColor(at).rgb(), picture.pixelColor(x, y).rgb()) << x << "," << y;
            ++compared;
        }
    EXPECT_GT(compared, 20);
    // Outside the picture the frame stays empty.
    const QRect drawn = QRect(origin, picture.size()).intersected(inside);
    const QColor background = frame->palette().color(QPalette::Window);
    for (const QPoint p : {inside.topLeft(), inside.bottomRight()}) {
        if (drawn.contains(p)) continue;
        EXPECT_EQ(image.pixelColor(p), background) << p.x() << "," << p.y();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPicture, HelpPictureTest,
                         ::testing::Values(234, 2000, 2001, 2002, 2003, 2004, 2005, 2006, 2007, 2008, 2009,
                                           2010, 2011, 2012, 2013, 2014, 2015, 2016, 2017),
                         [](const auto& info) { return "Picture" + std::to_string(info.param); });

}  // namespace
}  // namespace kalvora
