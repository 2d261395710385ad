// SPDX-License-Identifier: MIT
// On a screen with two device pixels per point the windows show the pictures drawn at twice the
// size, pixel for pixel. Runs alone, with QT_SCALE_FACTOR=2 (see CMakeLists.txt).
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <functional>

#include "calc/dialog_template.h"
#include "forms/control_factory.h"
#include "forms/help_window.h"
#include "forms/static_cursor.h"
#include "main_window_fixture.h"

namespace kalvora::testing {
namespace {

using resources::ScaledPicturePath;

class AtDoubleScale : public MainWindowTest {};

QImage Comparable(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST_F(AtDoubleScale, WindowsShowThePicturesDrawnAtTwiceTheSize) {
    // The CTest entry asks for this check; a plain run of the test program is at scale 1.
    if (qEnvironmentVariableIsEmpty("KALVORA_EXPECT_DOUBLE_SCALE")) GTEST_SKIP() << "not started at scale 2";
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    // The build's own strips lie beside the test program.
    Create({QCoreApplication::applicationDirPath()});
    const QString binFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    QWidget parent;
    struct Row {
        const char* name;
        std::function<QImage()> shown;  // what the window draws, in device pixels
        QImage twin;
    };
    std::vector<Row> rows = {
        {"window icon", [&] { return window->windowIcon().pixmap(QSize(32, 32)).toImage(); },
         QImage(ScaledPicturePath(resources::IconPath(), 2))},
        {"label cursor", [] { return StaticControlCursor().pixmap().toImage(); },
         QImage(ScaledPicturePath(resources::HandCursorPath(), 2))},
        {"dipole sketch",
         [&] {
             const ControlDefinition sketch{233, ControlKind::Picture, "MYBMP"};
             auto* label = static_cast<QLabel*>(CreateControl(sketch, {}, QRect(0, 0, 300, 120), &parent));
             return label->pixmap().toImage();
         },
         QImage(ScaledPicturePath(resources::DipoleSketchPath(), 2))},
        {"help picture",
         [] {
             kalvora::HelpWindow help(2000);
             help.show();
             auto* frame = help.findChild<QFrame*>("ctl233");
             const QImage picture(ScaledPicturePath(resources::HelpPicturePath(2000), 2));
             const QRect area = frame->contentsRect();
             const QPoint at = area.topLeft() + CentredPictureOrigin(area.size(), picture.size() / 2);
             return frame->grab().toImage().copy(QRect(at * 2, picture.size()));
         },
         QImage(ScaledPicturePath(resources::HelpPicturePath(2000), 2))},
    };
    const QImage strip(binFolder + resources::DoubleToolbarFileName());
    const QList<QAction*> actions = Toolbar()->actions();
    for (int i = 0, image = 0; i < actions.size(); ++i) {
        if (actions[i]->isSeparator()) continue;
        QAction* action = actions[i];
        rows.push_back({"toolbar button", [action] { return action->icon().pixmap(QSize(32, 32)).toImage(); },
                        strip.copy(strip.height() * image++, 0, strip.height(), strip.height())});
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_FALSE(row.twin.isNull());
        const QImage shown = row.shown();
        EXPECT_EQ(shown.devicePixelRatio(), 2.0);
        EXPECT_EQ(shown.size(), row.twin.size());
        EXPECT_TRUE(Comparable(shown) == Comparable(row.twin));
    }
}

}  // namespace
}  // namespace kalvora::testing
