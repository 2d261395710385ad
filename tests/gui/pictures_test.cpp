// SPDX-License-Identifier: MIT
// The pictures the program embeds and the toolbar strip it ships: each has its size, shows
// something, and the icon, cursor and strip keep the layout the windows rely on. Each has a twin
// drawn at twice the size, which the windows show on screens with two device pixels per point.
#include <gtest/gtest.h>

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QSet>
#include <cstdlib>
#include <functional>
#include <string>

#include "calc/catalogue.h"
#include "qt/forms/control_factory.h"
#include "qt/forms/help_window.h"
#include "qt/forms/scaled_picture.h"
#include "qt/forms/static_cursor.h"
#include "main_window_fixture.h"
#include "qt/resource_paths.h"

namespace {

using kalvora::resources::HelpPicturePath;

struct PictureCase {
    const char* name;
    QString path;
    QSize size;
    bool opaque;  // help pictures and the dipole sketch are plain 24-bit pictures
};

void PrintTo(const PictureCase& picture, std::ostream* out) {
    *out << picture.name;
}

std::vector<PictureCase> EmbeddedPictures() {
    auto help = [](const char* name, int id, int width, int height) {
        return PictureCase{name, HelpPicturePath(id), QSize(width, height), true};
    };
    return {
        {"Icon", kalvora::resources::IconPath(), QSize(32, 32), true},
        {"HandCursor", kalvora::resources::HandCursorPath(), QSize(32, 32), false},
        {"DipoleSketch", kalvora::resources::DipoleSketchPath(), QSize(229, 97), true},
        help("TwoBodies", 2000, 176, 87),
        help("FreeFall", 2001, 74, 50),
        help("Current", 2002, 82, 27),
        help("Voltage", 2003, 82, 27),
        help("Resistance", 2004, 82, 27),
        help("CoilReactance", 2005, 123, 42),
        help("CapacitorReactance", 2006, 123, 42),
        help("Transformer", 2007, 121, 45),
        help("ConductorResistance", 2008, 61, 43),
        help("Lenses", 2009, 339, 114),
        help("AerodynamicDrag", 2010, 111, 27),
        help("CoaxCable", 2011, 302, 72),
        help("VoltageDrop", 2012, 100, 27),
        help("FluorescentForBulb", 2013, 262, 116),
        help("LuminousFlux", 2014, 82, 27),
        help("InputPower", 2015, 82, 27),
        help("ActivePower", 2016, 124, 27),
        help("WallThermalResistance", 2017, 82, 34),
        help("RotatingEarth", 234, 243, 122),
    };
}

int DistinctColours(const QImage& image, const QRect& area) {
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

// Pixels that differ from the colour of the area's top-left corner, which every picture leaves as
// background.
int InkPixels(const QImage& image, const QRect& area) {
    const QRgb background = image.pixel(area.topLeft());
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ink += image.pixel(x, y) != background;
    return ink;
}

class EmbeddedPicture : public testing::TestWithParam<PictureCase> {};

TEST_P(EmbeddedPicture, HasItsSizeAndShowsSomething) {
    const PictureCase& picture = GetParam();
    const QImage image(picture.path);
    ASSERT_FALSE(image.isNull()) << picture.path.toStdString() << " is not embedded";
    EXPECT_EQ(image.size(), picture.size);
    const QRect all = image.rect();
    EXPECT_GE(DistinctColours(image, all), 3);
    // Something drawn on at least a twentieth of the picture.
    EXPECT_GE(InkPixels(image, all) * 20, image.width() * image.height());
}

TEST_P(EmbeddedPicture, IsOpaqueOrHasATransparentBackground) {
    const PictureCase& picture = GetParam();
    const QImage image = QImage(picture.path).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(image.isNull());
    int transparent = 0;
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            transparent += qAlpha(image.pixel(x, y)) == 0;
            opaque += qAlpha(image.pixel(x, y)) == 255;
        }
    }
    if (picture.opaque) {
        EXPECT_EQ(opaque, image.width() * image.height());
    } else {
        EXPECT_GT(transparent, 0);
        EXPECT_GT(opaque, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, EmbeddedPicture, testing::ValuesIn(EmbeddedPictures()),
                         [](const testing::TestParamInfo<PictureCase>& info) { return info.param.name; });

// The help pictures are printed on white, like a textbook page: their corners are white.
TEST(HelpPictures, LieOnWhite) {
    for (const PictureCase& picture : EmbeddedPictures()) {
        if (!picture.path.contains(QLatin1String("/help/"))) continue;
        const QImage image(picture.path);
        ASSERT_FALSE(image.isNull()) << picture.name;
        const QRgb white = qRgb(255, 255, 255);
        for (const QPoint corner : {image.rect().topLeft(), image.rect().topRight(),
                                    image.rect().bottomLeft(), image.rect().bottomRight()})
            EXPECT_EQ(image.pixel(corner), white)
                << picture.name << " at " << corner.x() << ", " << corner.y();
    }
}

// Every form whose Help button shows a picture, its own or the one its opener stores, finds that
// picture among the resources.
TEST(HelpPictures, ExistForEveryFormThatShowsOne) {
    int forms = 0;
    for (const kalvora::FormDefinition* form : kalvora::Catalogue()) {
        if (form->help == kalvora::HelpAction::None) continue;
        ++forms;
        EXPECT_FALSE(QImage(HelpPicturePath(form->helpBitmapId)).isNull())
            << std::string(form->slug) << " shows picture " << form->helpBitmapId;
    }
    EXPECT_GT(forms, 0);
}

TEST(WindowIcon, IsThreeOpaqueBands) {
    const QImage icon = QImage(kalvora::resources::IconPath()).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    struct Band {
        const char* name;
        int firstRow;
        int lastRow;
        QRgb colour;
    };
    const Band bands[] = {{"green", 0, 9, qRgb(0, 255, 0)},
                          {"blue", 10, 20, qRgb(0, 0, 255)},
                          {"red", 21, 31, qRgb(255, 0, 0)}};
    for (const Band& band : bands)
        for (int y = band.firstRow; y <= band.lastRow; ++y)
            for (int x = 0; x < 32; ++x)
                ASSERT_EQ(icon.pixel(x, y), band.colour) << band.name << " band at " << x << ", " << y;
}

TEST(HandCursor, PointsLeftWithItsTipAtTheHotSpot) {
    const QImage cursor = QImage(kalvora::resources::HandCursorPath()).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(cursor.size(), QSize(32, 32));
    auto opaque = [&cursor](int x, int y) { return qAlpha(cursor.pixel(x, y)) >= 128; };

    // The fingertip fills the top-left corner, where the hot spot (0, 0) is.
    bool tipAtHotSpot = false;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) tipAtHotSpot |= opaque(x, y);
    EXPECT_TRUE(tipAtHotSpot);

    // The finger points left: in the three leftmost columns only the finger's top rows are drawn.
    for (int y = 8; y < 32; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_FALSE(opaque(x, y)) << "at " << x << ", " << y;

    // The other three corners are background, and the background is transparent.
    for (const QPoint corner : {QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        EXPECT_EQ(qAlpha(cursor.pixel(corner)), 0) << corner.x() << ", " << corner.y();
    int transparent = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) transparent += qAlpha(cursor.pixel(x, y)) == 0;
    EXPECT_GE(transparent, 32 * 32 / 4);
    EXPECT_LE(transparent, 32 * 32 * 3 / 4);
}

// The strip is delivered beside the programs of the build folder, where the tests run too.
QString ToolbarStripPath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(kalvora::resources::ToolbarFileName());
}

TEST(ToolbarStrip, IsA24BitBitmapOfElevenImages) {
    QFile file(ToolbarStripPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << ToolbarStripPath().toStdString();
    const QByteArray header = file.read(30);
    ASSERT_EQ(header.size(), 30);
    EXPECT_EQ(header.left(2), QByteArray("BM"));
    EXPECT_EQ(static_cast<unsigned char>(header[28]) | static_cast<unsigned char>(header[29]) << 8, 24)
        << "bits per pixel";

    const QImage strip(ToolbarStripPath());
    ASSERT_EQ(strip.size(), QSize(352, 32));
    const QRgb background = kalvora::resources::ToolbarBackground();
    QSet<QByteArray> seen;
    for (int cell = 0; cell < 11; ++cell) {
        const QRect area(32 * cell, 0, 32, 32);
        SCOPED_TRACE("image " + std::to_string(cell));
        EXPECT_EQ(strip.pixel(area.topLeft()), background) << "every image lies on the toolbar background";
        EXPECT_GE(DistinctColours(strip, area), 8);
        EXPECT_GE(InkPixels(strip, area), 32 * 32 / 10);
        const QImage image = strip.copy(area);
        seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), 11) << "no two images alike";
}

using namespace kalvora;

// Each picture of the folder has a twin drawn at twice its size, which halved shows the same.
TEST(DoubleSizePictures, EveryPictureHasATwinOfTwiceItsSizeShowingTheSame) {
    const QDir folder(QStringLiteral(KALVORA_PICTURES_DIR));
    int pictures = 0;
    for (QDirIterator it(folder.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next(), name = folder.relativeFilePath(path);
        if (name.contains(QLatin1Char('@')) || name.startsWith(QLatin1String("app-icons/"))) continue;
        SCOPED_TRACE(name.toStdString());
        ++pictures;
        const QImage picture = QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage twin = QImage(resources::ScaledPicturePath(path, 2))
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_EQ(twin.size(), picture.size() * 2);
        const QImage halved = twin.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        double difference = 0;  // mean over the channels, 0 to 255
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                for (const int shift : {0, 8, 16, 24})
                    difference += std::abs(int(picture.pixel(x, y) >> shift & 0xff) -
                                           int(halved.pixel(x, y) >> shift & 0xff));
        EXPECT_LT(difference / (4.0 * picture.width() * picture.height()), 6.0);
    }
    EXPECT_GT(pictures, 0);
}

class AtDoubleScale : public kalvora::testing::MainWindowTest {};

TEST_F(AtDoubleScale, WindowsShowThePicturesDrawnAtTwiceTheSize) {
    if (qEnvironmentVariableIsEmpty("KALVORA_EXPECT_DOUBLE_SCALE"))
        GTEST_SKIP() << "its CTest entry is at scale 2";
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    Create({QCoreApplication::applicationDirPath()});  // where the build's strips lie
    kalvora::HelpWindow help(2000);
    help.show();
    auto twin = [](const QString& path) { return QImage(resources::ScaledPicturePath(path, 2)); };
    // The window icon, the label cursor, the dipole sketch, the help picture, then the toolbar's.
    std::vector<std::pair<QImage, std::function<QPixmap()>>> rows = {
        {twin(resources::IconPath()), [&] { return window->windowIcon().pixmap(QSize(32, 32)); }},
        {twin(resources::HandCursorPath()), [] { return StaticControlCursor().pixmap(); }},
        {twin(resources::DipoleSketchPath()),
         [&] {
             const ControlDefinition sketch{233, ControlKind::Picture, "MYBMP"};
             ControlPresentation shown;
             shown.rect = Rect::FromSize(0, 0, 300, 120);
             return static_cast<QLabel*>(CreateControl(sketch, {}, shown, window.get()))
                 ->pixmap();
         }},
        {twin(resources::HelpPicturePath(2000)), [&] {
             auto* frame = help.findChild<QFrame*>("ctl233");
             const QSize room = QImage(resources::HelpPicturePath(2000)).size();
             const QRect area = frame->contentsRect();
             return frame->grab(QRect(area.topLeft() + CentredPictureOrigin(area.size(), room), room));
         }}};
    const QImage strip(QCoreApplication::applicationDirPath() + '/' + resources::DoubleToolbarFileName());
    for (QAction* button : Toolbar()->actions())
        if (!button->isSeparator())
            rows.push_back({strip.copy(QRect(strip.height() * (int(rows.size()) - 4), 0, strip.height(),
                                             strip.height())),
                            [button] { return button->icon().pixmap(QSize(32, 32)); }});
    for (std::size_t row = 0; row < rows.size(); ++row) {
        SCOPED_TRACE(row);
        const QPixmap shown = rows[row].second();
        EXPECT_EQ(shown.devicePixelRatio(), 2.0);
        EXPECT_TRUE(shown.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                    rows[row].first.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

// At every ratio a picture takes its own room; between 1 and 2 its twin comes in the screen's pixels.
TEST(PictureForRatio, TakesThePicturesRoomInTheScreensPixels) {
    const QSize room = QImage(resources::DipoleSketchPath()).size();
    for (const auto& [screen, picture] : {std::pair{1.0, 1.0}, {1.25, 1.25}, {1.5, 1.5}, {3.0, 2.0}}) {
        const QPixmap shown = PictureForRatio(resources::DipoleSketchPath(), screen);
        EXPECT_EQ(shown.devicePixelRatio(), picture) << screen;
        EXPECT_EQ(shown.size(), (QSizeF(room) * picture).toSize()) << screen;
    }
}

}  // namespace
