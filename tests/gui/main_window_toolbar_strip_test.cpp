// SPDX-License-Identifier: MIT
// Which toolbar strip is taken: an unusable file does not hide a good one further on.
#include <QFile>
#include <QToolBar>

#include "main_window_fixture.h"

namespace kalvora::testing {
namespace {

// The kinds of bad file that can lie in front of the installed strip: files that read as no
// picture, and one picture whose size the model refuses (which sizes it refuses, its own tests check).
struct BadStrip {
    const char* name;
    QByteArray content;  // written as is; empty: a picture of `size` instead
    QSize size;
};

const BadStrip kBadStrips[] = {
    {"corrupt", "BM\x36\x00\x00\x00 this is no bitmap at all", {}},
    {"zero length", QByteArray(), {}},
    {"wrong size", {}, {640, 480}},
};

void WriteBadStrip(const QString& folder, const BadStrip& bad) {
    const QString path = QDir(folder).filePath(resources::ToolbarFileName());
    if (bad.size.isValid()) {
        QImage picture(bad.size, QImage::Format_RGB888);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(path, "BMP"));
        return;
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bad.content), bad.content.size());
}

QList<QAction*> ToolbarButtons(const QToolBar& toolbar) {
    QList<QAction*> buttons;
    for (QAction* action : toolbar.actions())
        if (!action->isSeparator()) buttons.append(action);
    return buttons;
}

TEST_F(MainWindowTest, AnUnusableStripInTheWorkingFolderDoesNotHideTheInstalledOne) {
    for (const BadStrip& bad : kBadStrips) {
        SCOPED_TRACE(bad.name);
        QTemporaryDir working, programFolder;
        WriteBadStrip(working.path(), bad);
        boxes.clear();
        // The working folder first, then one without a strip, then the data folder's good one.
        Create({working.path(), programFolder.path(), dataDir.path()});
        EXPECT_TRUE(boxes.empty());
        const QList<QAction*> buttons = ToolbarButtons(*Toolbar());
        ASSERT_EQ(buttons.size(), 11);
        for (int i = 0; i < 11; ++i)
            EXPECT_EQ(buttons[i]->icon().pixmap(QSize(32, 32)).toImage().pixel(16, 16), StripColour(i)) << i;
        window.reset();
    }
}

TEST_F(MainWindowTest, OnlyUnusableStripsAreReportedAsMissing) {
    std::vector<std::unique_ptr<QTemporaryDir>> folders;
    QStringList paths;
    for (const BadStrip& bad : kBadStrips) {
        folders.push_back(std::make_unique<QTemporaryDir>());
        WriteBadStrip(folders.back()->path(), bad);
        paths.append(folders.back()->path());
    }
    Create(paths);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              QString::fromUtf8(
                  "Není ve složce programu toolbarXXX.bmp\nNinstalujte orginal i s toolbar bitmapou"));
    for (QAction* button : ToolbarButtons(*Toolbar())) EXPECT_TRUE(button->icon().isNull());
}

}  // namespace
}  // namespace kalvora::testing
