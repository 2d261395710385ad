// SPDX-License-Identifier: MIT
// Which toolbar strip is taken: an unusable file does not hide a good one further on.
#include <QFile>
#include <QToolBar>

#include "app/toolbar_strip_choice.h"
#include "main_window_fixture.h"

namespace kalvora::testing {
namespace {

TEST(ToolbarStripChoice, UsableStripsHaveElevenImagesNoTallerThanWide) {
    struct Row {
        PictureSize size;
        bool usable;
    };
    for (const Row& row : {Row{{352, 32}, true},   // the delivered strip
                           Row{{357, 20}, true},   // width not a multiple of eleven, wide images
                           Row{{11, 1}, true},     // the smallest
                           Row{{704, 64}, true},   // the tallest
                           Row{{715, 65}, false},  // too tall for the window
                           Row{{10, 1}, false},    // narrower than eleven pixels
                           Row{{351, 32}, false},  // images 31 x 32: taller than wide
                           Row{{640, 480}, false}, Row{{32, 32}, false},  // a single icon
                           Row{{352, 0}, false}}) {
        SCOPED_TRACE(std::to_string(row.size.width) + " x " + std::to_string(row.size.height));
        EXPECT_EQ(IsUsableToolbarStrip(row.size), row.usable);
    }
}

TEST(ToolbarStripChoice, FirstUsableCandidateInSearchOrderWins) {
    using Candidates = std::vector<std::optional<PictureSize>>;
    const std::optional<PictureSize> none;  // missing, or no picture
    const PictureSize good{352, 32}, wrong{640, 480};
    struct Row {
        const char* name;
        Candidates candidates;
        std::optional<std::size_t> chosen;
    };
    for (const Row& row :
         {Row{"the first", {good, good}, 0}, Row{"after a missing one", {none, good}, 1},
          Row{"after a wrong size", {wrong, none, good}, 2},
          Row{"none usable", {wrong, none, wrong}, std::nullopt}, Row{"no candidates", {}, std::nullopt}}) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ChooseToolbarStrip(row.candidates), row.chosen);
    }
}

// The kinds of bad file that can lie in front of the installed strip.
struct BadStrip {
    const char* name;
    QByteArray content;  // written as is; empty: a picture of `size` instead
    QSize size;
};

const BadStrip kBadStrips[] = {
    {"corrupt", "BM\x36\x00\x00\x00 this is no bitmap at all", {}},
    {"zero length", QByteArray(), {}},
    {"wrong size", {}, {640, 480}},
    {"narrower than eleven pixels", {}, {10, 32}},
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

QList<QAction*> ToolbarButtons() {
    QList<QAction*> buttons;
    for (QAction* action : qobject_cast<QToolBar*>(Registry().toolbar.data())->actions())
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
        const QList<QAction*> buttons = ToolbarButtons();
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
    for (QAction* button : ToolbarButtons()) EXPECT_TRUE(button->icon().isNull());
}

}  // namespace
}  // namespace kalvora::testing
