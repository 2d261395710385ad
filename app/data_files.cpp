// SPDX-License-Identifier: MIT
#include "app/data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

}  // namespace kalvora
