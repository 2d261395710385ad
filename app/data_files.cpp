// SPDX-License-Identifier: MIT
#include "app/data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <optional>
#include <vector>

#include "app/toolbar.h"
#include "model/toolbar_strip.h"
#include "resources/resource_paths.h"

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

static_assert(kToolbarImageCount == kToolbarButtons.size(), "one strip image per toolbar button");

QImage LoadToolbarStrip(const QStringList& folders) {
    std::vector<QImage> pictures;
    std::vector<std::optional<PictureSize>> candidates;
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder), resources::ToolbarFileName());
        QImage picture;
        if (file.isFile()) picture.load(file.absoluteFilePath());
        candidates.push_back(
            picture.isNull() ? std::nullopt : std::optional(PictureSize{picture.width(), picture.height()}));
        pictures.push_back(std::move(picture));
    }
    const std::optional<std::size_t> chosen = ChooseToolbarStrip(candidates);
    return chosen ? pictures[*chosen] : QImage();
}

}  // namespace kalvora
