// SPDX-License-Identifier: MIT
#include "form_panel_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

namespace kalvora::testing_support {

void ClientAreaTest::SetUp() {
    MainWindowTest::SetUp();
    Show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

QWidget* ClientAreaTest::OpenSlot(int slot) {
    window->Send([slot](Program& program) { program.OpenFormSlot(slot); });
    return window->FormWindow(slot);
}

QWidget* OpenFormTest::Open(std::string_view slug) {
    const int slot = window->SlotOf(slug);
    EXPECT_GE(slot, 0) << slug;
    form_ = OpenSlot(slot);
    return form_;
}

QString ScreenshotFolder() {
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QDir().mkpath(folder);
    return QDir(folder).absolutePath();
}

}  // namespace kalvora::testing_support
