// SPDX-License-Identifier: MIT
// A main window on test data: its folders, a fake memory reading and a message-box recorder.
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "qt/app/main_window.h"
#include "calc/catalogue.h"
#include "qt/platform/message_box.h"
#include "qt/resource_paths.h"

namespace kalvora::testing {

// What a message box was asked to show, and whether its owner was on screen at that moment.
struct RecordedBox {
    QPointer<QWidget> owner;
    bool hadOwner = false;
    bool ownerVisible = false;
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::None;
    platform::MessageButtons buttons = platform::MessageButtons::Ok;
};

// The colour of button image `index` in the strips the tests write.
inline QRgb StripColour(int index) {
    return QColor::fromHsv(index * 30, 255, 200).rgb();
}

// Writes a toolbar strip of the given size into `folder`: eleven slices of width / 11 pixels,
// slice i filled with StripColour(i) (any rest at the right edge black).
inline void WriteStrip(const QString& folder, int width, int height) {
    QImage strip(width, height, QImage::Format_RGB888);
    strip.fill(Qt::black);
    const int slice = width / 11;
    for (int i = 0; i < 11; ++i)
        for (int x = i * slice; x < (i + 1) * slice; ++x)
            for (int y = 0; y < height; ++y) strip.setPixel(x, y, StripColour(i));
    ASSERT_TRUE(strip.save(QDir(folder).filePath(resources::ToolbarFileName()), "BMP"));
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dataDir.isValid());
        WriteStrip(dataDir.path(), 352, 32);
        platform::SetMessageBoxHandler([this](const platform::MessageBoxRequest& request) {
            boxes.push_back({request.owner, request.owner != nullptr,
                             request.owner && request.owner->isVisible(), request.caption, request.text,
                             request.icon, request.buttons});
            if (request.buttons == platform::MessageButtons::Ok) return platform::MessageAnswer::Ok;
            return answer;
        });
    }

    void TearDown() override {
        window.reset();
        platform::SetMessageBoxHandler({});
    }

    // Creates the main window over `folders` (default: the folder with the test strip).
    MainWindow& Create(QStringList folders = {}) {
        MainWindowOptions options;
        options.dataFolders = folders.isEmpty() ? QStringList{dataDir.path()} : folders;
        options.readMemory = [this] { return memory; };
        options.forms = forms;
        window = std::make_unique<MainWindow>(options);
        return *window;
    }

    // Creates the window and shows it, as the program does.
    MainWindow& Show(QStringList folders = {}) {
        Create(std::move(folders));
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    QWidget* Client() const { return window->Client(); }
    // The form the window lays out and the keys reach, the form of a slug, and the help window.
    QWidget* ActiveForm() const { return window->ActiveFormWindow(); }
    QWidget* FormOf(std::string_view slug) const { return window->FormWindow(window->SlotOf(slug)); }
    QWidget* HelpWindow() const { return window->HelpWindowOnScreen(); }
    int HelpPicture() const { return window->State().HelpBitmapId; }
    QToolBar* Toolbar() const { return window->findChild<QToolBar*>("toolbar"); }

    // Clicks the toolbar button of command `id` with the mouse.
    void ClickToolbarButton(int id) const {
        ASSERT_NE(Toolbar(), nullptr);
        for (QAction* action : Toolbar()->actions())
            if (!action->isSeparator() && action->data().toInt() == id) {
                QTest::mouseClick(Toolbar()->widgetForAction(action), Qt::LeftButton);
                return;
            }
        ADD_FAILURE() << "no toolbar button " << id;
    }

    // The open topic panel.
    QWidget* OpenPanel() const { return window->PanelWindow(); }

    // Clicks label `id` of the open topic panel with the mouse.
    void ClickPanelLabel(int id) const {
        QWidget* panel = OpenPanel();
        ASSERT_NE(panel, nullptr);
        QWidget* label = panel->findChild<QWidget*>(QStringLiteral("ctl%1").arg(id));
        ASSERT_NE(label, nullptr) << "label " << id;
        QTest::mouseClick(label, Qt::LeftButton);
    }

    QTemporaryDir dataDir;
    platform::MemoryInfo memory{std::uint64_t(2'097'152) << 10, std::uint64_t(1'048'576) << 10};
    platform::MessageAnswer answer = platform::MessageAnswer::Yes;
    std::vector<RecordedBox> boxes;
    std::span<const FormDefinition* const> forms = Catalogue();  // the window's forms in slot order
    std::unique_ptr<MainWindow> window;
};

}  // namespace kalvora::testing
