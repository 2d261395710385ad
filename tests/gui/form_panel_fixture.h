// SPDX-License-Identifier: MIT
// What the form and panel tests share: a main window's client area of their own, message
// boxes and opened addresses recorded instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/message_box.h"

namespace kalvora::testing_support {

// Records every address the program hands to the desktop instead of opening it.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    std::vector<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

class ClientAreaTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Resizes the client area (and so the main window, which is the same widget here).
    void ResizeClient(int width, int height);

    QWidget& client() { return *client_; }

    std::unique_ptr<QWidget> client_;
    std::vector<platform::MessageBoxRequest> messages_;
    UrlRecorder urls_;
};

// A client area with one real form of the catalogue open in it; its controls are found by
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
