// SPDX-License-Identifier: MIT
// What the form and panel tests share: the main window on screen with its message boxes and the
// addresses it opens recorded, and forms opened straight into it.
#pragma once

#include <gtest/gtest.h>

#include <QPointer>
#include <QWidget>
#include <string_view>
#include <vector>

#include "desktop_fakes.h"
#include "main_window_fixture.h"

namespace kalvora::testing_support {

class ClientAreaTest : public testing::MainWindowTest {
protected:
    void SetUp() override;

    QWidget& client() { return *Client(); }
    // Opens the form in `slot` as the program's only form, as a host without panels does.
    QWidget* OpenSlot(int slot);

    UrlRecorder urls_;
};

// A main window with one real form of the catalogue open in it; its controls are found by
// their template ids.
class OpenFormTest : public ClientAreaTest {
protected:
    // Closes the open form and opens the form `slug`.
    QWidget* Open(std::string_view slug);
    template <typename T = QWidget>
    T* Ctl(int id) const {
        T* widget = form_->findChild<T*>(QStringLiteral("ctl%1").arg(id));
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }

    QPointer<QWidget> form_;
};

// The folder build/screenshots beside the test program's bin/ folder, created on demand.
QString ScreenshotFolder();

}  // namespace kalvora::testing_support
