// SPDX-License-Identifier: MIT
#include "qt/app/data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <optional>
#include <vector>

#include "model/toolbar_strip.h"
#include "qt/resource_paths.h"

namespace kalvora {

QStringList DefaultDataFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList folders{QDir::currentPath(), programFolder,
                        programFolder + QStringLiteral("/" KALVORA_DATADIR_FROM_BINDIR),
                        QStringLiteral(KALVORA_INSTALL_DATADIR)};
    for (QString& folder : folders) folder = QDir::cleanPath(folder);
    folders.removeDuplicates();
    return folders;
}

QString FindDataFile(const QStringList& folders, const QString& fileName) {
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder), fileName);
        if (file.isFile()) return file.absoluteFilePath();
    }
    return {};
}

namespace {

// The picture `fileName` in `folder`, null when it is missing or no picture, and its size.
std::optional<PictureSize> LoadCandidate(const QString& folder, const QString& fileName, QImage& picture) {
    const QFileInfo file(QDir(folder), fileName);
    if (file.isFile()) picture.load(file.absoluteFilePath());
    if (picture.isNull()) return std::nullopt;
    return PictureSize{picture.width(), picture.height()};
}

}  // namespace

ToolbarStrips LoadToolbarStrips(const QStringList& folders) {
    std::vector<QImage> strips(std::size_t(folders.size()));
    std::vector<std::optional<PictureSize>> sizes;
    for (qsizetype i = 0; i < folders.size(); ++i)
        sizes.push_back(LoadCandidate(folders[i], resources::ToolbarFileName(), strips[std::size_t(i)]));
    const std::optional<std::size_t> chosen = ChooseToolbarStrip(sizes);
    if (!chosen) return {};
    // Only the twice-size file beside the chosen strip can serve, so only that one is read.
    QImage doubled;
    std::vector<std::optional<PictureSize>> doubleSizes(sizes.size());
    doubleSizes[*chosen] =
        LoadCandidate(folders[qsizetype(*chosen)], resources::DoubleToolbarFileName(), doubled);
    ToolbarStrips result{strips[*chosen], ChooseDoubleToolbarStrip(sizes, doubleSizes) ? doubled : QImage()};
    result.doubled.setDevicePixelRatio(2);
    return result;
}

}  // namespace kalvora
