// SPDX-License-Identifier: MIT
// The toolbar: its buttons, tooltips, separators and pictures, and the missing-picture message.
#include <QAction>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include "main_window_fixture.h"
#include "model/shell_data.h"
#include "qt/app/toolbar.h"
#include "qt/forms/qt_text.h"

namespace kalvora::testing {
namespace {

const char kMissingStripText[] =
    "Není ve složce programu toolbarXXX.bmp\nNinstalujte orginal i s toolbar bitmapou";

// What stands at the places of the toolbar, left to right: the buttons in strip order, with the
// separators inserted one after another at their positions; nullptr for a separator.
std::vector<const ToolbarButton*> ExpectedPlaces() {
    std::vector<const ToolbarButton*> places;
    for (const ToolbarButton& button : kToolbarButtons) places.push_back(&button);
    for (int position : kSeparatorPositions) places.insert(places.begin() + position, nullptr);
    return places;
}

// The tooltip the toolbar shows when the pointer rests on `widget`, or an empty text.
QString ShownToolTip(QWidget* widget) {
    QToolTip::hideText();  // fades out: wait until the previous tip is gone
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 3000));
    const QPoint centre = widget->rect().center();
    QHelpEvent event(QEvent::ToolTip, centre, widget->mapToGlobal(centre));
    QCoreApplication::sendEvent(widget, &event);
    const QString text = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    return text;
}

TEST_F(MainWindowTest, ToolbarHasElevenButtonsAndThreeSeparatorsWithTheirTooltips) {
    Show();
    const QList<QAction*> actions = Toolbar()->actions();
    const std::vector<const ToolbarButton*> places = ExpectedPlaces();
    ASSERT_EQ(actions.size(), qsizetype(places.size()));
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const ToolbarButton* place = places[std::size_t(i)];
        SCOPED_TRACE("place " + std::to_string(i));
        QWidget* widget = Toolbar()->widgetForAction(actions[i]);
        ASSERT_NE(widget, nullptr);
        if (!place) {
            EXPECT_TRUE(actions[i]->isSeparator());
            EXPECT_EQ(ShownToolTip(widget), QString());
            continue;
        }
        EXPECT_FALSE(actions[i]->isSeparator());
        EXPECT_EQ(actions[i]->data().toInt(), place->commandId);
        EXPECT_EQ(ShownToolTip(widget), ToQString(place->toolTip));
        EXPECT_EQ(widget->accessibleName(), ToQString(place->toolTip));
        EXPECT_FALSE(widget->objectName().isEmpty());
    }
}

// The buttons are raised, not flat: each shows its edge also when the pointer is elsewhere.
TEST_F(MainWindowTest, ToolbarButtonsAreRaised) {
    Show();
    const QImage strip = Toolbar()->grab().toImage();
    const QRgb background = strip.pixel(strip.width() - 2, strip.height() / 2);  // right of the last button
    for (const ToolbarButton& button : kToolbarButtons) {
        auto* widget = Toolbar()->findChild<QToolButton*>(ToQString(button.name));
        ASSERT_NE(widget, nullptr) << button.name;
        ASSERT_FALSE(widget->underMouse());
        const QImage image = widget->grab().toImage();
        int edgePixels = 0;
        for (int x = 0; x < image.width(); ++x)
            for (int y : {0, 1, image.height() - 2, image.height() - 1})
                edgePixels += image.pixel(x, y) != background;
        EXPECT_GT(edgePixels, image.width()) << button.name;
    }
}

TEST_F(MainWindowTest, ButtonPicturesAreTheElevenSlicesOfTheStripInOrder) {
    Show();
    EXPECT_EQ(Toolbar()->iconSize(), QSize(32, 32));
    int image = 0;
    for (QAction* action : Toolbar()->actions()) {
        if (action->isSeparator()) continue;
        SCOPED_TRACE("image " + std::to_string(image));
        ASSERT_FALSE(action->icon().isNull());
        const QImage picture = action->icon().pixmap(QSize(32, 32)).toImage();
        EXPECT_EQ(picture.size(), QSize(32, 32));
        EXPECT_EQ(picture.pixel(0, 0), StripColour(image));
        EXPECT_EQ(picture.pixel(31, 31), StripColour(image));
        ++image;
    }
    EXPECT_EQ(image, 11);
    EXPECT_TRUE(boxes.empty());
}

TEST(ToolbarStrip, EachPictureIsAnEleventhOfTheWidthAndTheFullHeight) {
    struct Row {
        const char* name;
        QSize strip;
        QSize picture;  // empty: the strip is unusable
    };
    for (const Row& row :
         {Row{"the delivered strip", {352, 32}, {32, 32}},
          Row{"width not a multiple of eleven", {357, 20}, {32, 20}}, Row{"eleven pixels", {11, 5}, {1, 5}},
          Row{"narrower than eleven pixels", {10, 32}, {}}}) {
        SCOPED_TRACE(row.name);
        QImage strip(row.strip, QImage::Format_RGB32);
        strip.fill(Qt::white);
        const QList<QPixmap> pictures = CutToolbarStrip(strip);
        if (row.picture.isEmpty()) {
            EXPECT_TRUE(pictures.isEmpty());
            continue;
        }
        ASSERT_EQ(pictures.size(), 11);
        for (const QPixmap& picture : pictures) EXPECT_EQ(picture.size(), row.picture);
    }
    EXPECT_TRUE(CutToolbarStrip(QImage()).isEmpty());
}

TEST_F(MainWindowTest, IconSizeFollowsAStripOfAnotherSize) {
    QTemporaryDir other;
    WriteStrip(other.path(), 357, 20);
    Show({other.path()});
    EXPECT_EQ(Toolbar()->iconSize(), QSize(32, 20));
    const QImage last = Toolbar()->actions().back()->icon().pixmap(QSize(32, 20)).toImage();
    EXPECT_EQ(last.pixel(31, 0), StripColour(10));  // slice 10 ends at x 351, before the rest
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowTest, StripIsTakenFromTheFirstFolderThatHasIt) {
    QTemporaryDir empty, second;
    WriteStrip(second.path(), 352, 32);
    QImage red(352, 32, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(QDir(dataDir.path()).filePath(resources::ToolbarFileName()), "BMP"));

    Create({empty.path(), second.path(), dataDir.path()});
    EXPECT_TRUE(boxes.empty());
    const QImage first = Toolbar()->actions().front()->icon().pixmap(QSize(32, 32)).toImage();
    EXPECT_EQ(first.pixel(5, 5), StripColour(0));
}

TEST_F(MainWindowTest, MissingStripIsReportedOnceBeforeTheWindowAppears) {
    struct Row {
        const char* name;
        QByteArray fileContent;  // empty: no file at all
    };
    for (const Row& row : {Row{"no file", {}}, Row{"not a picture", "BM this is no bitmap"}}) {
        SCOPED_TRACE(row.name);
        QTemporaryDir folder;
        if (!row.fileContent.isEmpty()) {
            QFile file(QDir(folder.path()).filePath(resources::ToolbarFileName()));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(row.fileContent);
        }
        boxes.clear();
        Show({folder.path()});
        // A timer tick and a command must not repeat the message.
        QSignalSpy ticks(window->findChild<QTimer*>("memoryTimer"), &QTimer::timeout);
        ASSERT_TRUE(ticks.isValid());
        ASSERT_TRUE(ticks.wait(5000));
        window->RunCommand(4242);  // an id no command has

        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, QString::fromUtf8(kMissingStripText));
        EXPECT_EQ(boxes[0].caption, "Kalvora 5.0.9");
        EXPECT_EQ(boxes[0].icon, MessageIcon::Information);
        EXPECT_EQ(boxes[0].buttons, platform::MessageButtons::Ok);
        EXPECT_FALSE(boxes[0].ownerVisible);
        EXPECT_TRUE(!boxes[0].hadOwner || boxes[0].owner == window.get());

        // The program runs on: eleven picture-less buttons of the strip's usual size that still work.
        int buttons = 0;
        for (QAction* action : Toolbar()->actions()) {
            if (action->isSeparator()) continue;
            ++buttons;
            EXPECT_TRUE(action->icon().isNull());
            QWidget* widget = Toolbar()->widgetForAction(action);
            EXPECT_GE(widget->width(), 32);
            EXPECT_GE(widget->height(), 32);
            EXPECT_TRUE(widget->isVisible());
        }
        EXPECT_EQ(buttons, 11);
        window.reset();
    }
}

}  // namespace
}  // namespace kalvora::testing
