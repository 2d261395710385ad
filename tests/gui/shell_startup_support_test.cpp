// SPDX-License-Identifier: MIT
// What the shell sets up around the window: Qt's Czech translations and the data-file search.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

#include "qt/app/data_files.h"
#include "qt/app/translations.h"

namespace kalvora {
namespace {

TEST(CzechTranslations, StandardButtonsSayAnoAndNe) {
    ASSERT_TRUE(InstallCzechQtTranslations(*QCoreApplication::instance()));
    {
        QMessageBox box(QMessageBox::Question, "Kalvora 5.0.9", "?", QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Ano");
        EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "Ne");
    }
    // Leave the other tests Qt's own texts.
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Yes");
}

TEST(DataFiles, FirstFolderHavingTheFileWins) {
    QTemporaryDir a, b, c;
    for (QTemporaryDir* dir : {&b, &c}) {
        QFile file(QDir(dir->path()).filePath("strip.bmp"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(a.path()).mkdir("strip.bmp"));  // a folder of that name is no file
    const QString missing = a.path() + "/does-not-exist";
    EXPECT_EQ(FindDataFile({missing, a.path(), b.path(), c.path()}, "strip.bmp"),
              QDir(b.path()).filePath("strip.bmp"));
    EXPECT_EQ(FindDataFile({a.path(), missing}, "strip.bmp"), QString());
    EXPECT_EQ(FindDataFile({}, "strip.bmp"), QString());
}

TEST(DataFiles, DefaultFoldersStartWithTheCurrentDirectoryThenTheProgramFolder) {
    const QStringList folders = DefaultDataFolders();
    ASSERT_GE(folders.size(), 2);
    EXPECT_EQ(folders[0], QDir::cleanPath(QDir::currentPath()));
    const QString programFolder = QDir::cleanPath(QCoreApplication::applicationDirPath());
    if (programFolder != folders[0]) {
        EXPECT_EQ(folders[1], programFolder);
    }
    EXPECT_TRUE(folders.contains(QDir::cleanPath(programFolder + "/../share/kalvora")));
    EXPECT_TRUE(folders.back().endsWith("/kalvora"));
}

}  // namespace
}  // namespace kalvora
