// SPDX-License-Identifier: MIT
// kalvora-draw-resources: draws every picture of the program into a folder, so the committed
// pictures can be redrawn after a change here. Runs without a display (QT_QPA_PLATFORM=offscreen).
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>

#include "drawing_kit.h"
#include "qt/resource_paths.h"

namespace {

using kalvora::draw::PictureList;

// Every picture at its own size and, named "<name>@2x.<ext>", drawn anew at twice the size for
// screens at 125 to 200 %; then the web app's icons at their own sizes.
PictureList AllPictures() {
    using namespace kalvora::draw;
    PictureList all;
    for (const int scale : {1, 2}) {
        for (auto* group :
             {DrawIconPictures, DrawToolbarPictures, DrawFormulaPictures, DrawGravitationPictures,
              DrawLensPictures, DrawCoaxPictures, DrawDipolePictures}) {
            for (auto& picture : group(scale)) {
                picture.path = kalvora::resources::ScaledPicturePath(picture.path, scale);
                all.push_back(std::move(picture));
            }
        }
    }
    for (auto& picture : DrawAppIcons()) all.push_back(std::move(picture));
    return all;
}

bool Save(const QDir& folder, const kalvora::draw::Picture& picture) {
    const QString path = folder.filePath(picture.path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    const bool bitmap = path.endsWith(QLatin1String(".bmp"));
    // The toolbar strip is a 24-bit Windows bitmap; everything else is PNG.
    const QImage image = bitmap ? picture.image.convertToFormat(QImage::Format_RGB888) : picture.image;
    return image.save(path, bitmap ? "BMP" : "PNG");
}

// Every picture enlarged pixel for pixel (twice by default), on a grey sheet with its name under it: small
// pictures are judged on this sheet.
QImage ContactSheet(const PictureList& pictures, int scale) {
    constexpr int kMargin = 12;
    constexpr int kLabel = 16;
    int sheetWidth = 1500;
    for (const auto& picture : pictures)
        sheetWidth = std::max(sheetWidth, picture.image.width() * scale + 2 * kMargin);
    struct Place {
        QPoint at;
        const kalvora::draw::Picture* picture;
    };
    std::vector<Place> places;
    int x = kMargin;
    int y = kMargin;
    int rowHeight = 0;
    int usedWidth = 0;
    for (const auto& picture : pictures) {
        const QSize size = picture.image.size() * scale;
        if (x + size.width() + kMargin > sheetWidth && x > kMargin) {
            x = kMargin;
            y += rowHeight + kLabel + kMargin;
            rowHeight = 0;
        }
        places.push_back({QPoint(x, y), &picture});
        x += std::max(size.width(), 90) + kMargin;
        usedWidth = std::max(usedWidth, x);
        rowHeight = std::max(rowHeight, size.height());
    }
    QImage sheet(usedWidth, y + rowHeight + kLabel + kMargin, QImage::Format_RGB32);
    sheet.fill(QColor(150, 150, 150));
    QPainter painter(&sheet);
    for (const Place& place : places) {
        const QImage& image = place.picture->image;
        const QRect target(place.at, image.size() * scale);
        painter.fillRect(target, Qt::Dense4Pattern);
        painter.drawImage(target, image);
        painter.setPen(Qt::black);
        painter.setFont(QFont(QStringLiteral("Liberation Sans"), 9));
        painter.drawText(QPoint(place.at.x(), target.bottom() + 13), place.picture->path);
    }
    return sheet;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the pictures of Kalvora into a folder."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Where the pictures are written."));
    const QCommandLineOption sheetOption(QStringLiteral("contact-sheet"),
                                         QStringLiteral("Also write all pictures enlarged into <file>."),
                                         QStringLiteral("file"));
    parser.addOption(sheetOption);
    const QCommandLineOption scaleOption(QStringLiteral("scale"),
                                         QStringLiteral("Enlargement of the contact sheet (default 2)."),
                                         QStringLiteral("factor"), QStringLiteral("2"));
    parser.addOption(scaleOption);
    const QCommandLineOption onlyOption(
        QStringLiteral("only"),
        QStringLiteral("Put only pictures whose path matches <pattern> on the sheet."),
        QStringLiteral("pattern"));
    parser.addOption(onlyOption);
    parser.process(app);
    if (parser.positionalArguments().size() != 1) parser.showHelp(2);

    const QDir folder(parser.positionalArguments().front());
    const PictureList pictures = AllPictures();
    for (const auto& picture : pictures) {
        if (!Save(folder, picture)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(picture.path)));
            return 1;
        }
    }
    const int scale = std::clamp(parser.value(scaleOption).toInt(), 1, 8);
    PictureList shown;
    const QRegularExpression only(parser.value(onlyOption));
    for (const auto& picture : pictures)
        if (only.match(picture.path).hasMatch()) shown.push_back(picture);
    if (parser.isSet(sheetOption) && !ContactSheet(shown, scale).save(parser.value(sheetOption))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(parser.value(sheetOption)));
        return 1;
    }
    std::printf("%zu pictures written to %s\n", pictures.size(), qPrintable(folder.absolutePath()));
    return 0;
}
