// SPDX-License-Identifier: MIT
#include "form_panel_fixture.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QTest>

#include "app/window_registry.h"
#include "calc/catalogue.h"
#include "forms/calculator_form.h"
#include "panels/form_lookup.h"

namespace kalvora::testing_support {

void ClientAreaTest::SetUp() {
    client_ = std::make_unique<QWidget>();
    client_->setObjectName(QStringLiteral("testClient"));
    client_->resize(564, 541);
    client_->show();
    client_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(client_.get()));
    Registry().mainWindow = client_.get();
    Registry().client = client_.get();
    Registry().helpBitmapId = 0;
    platform::SetMessageBoxHandler([this](const platform::MessageBoxRequest& request) {
        messages_.push_back(request);
        return platform::MessageAnswer::Ok;
    });
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &urls_, "open");
}

void ClientAreaTest::TearDown() {
    DestroyCalculators();
    DestroyTopicPanels();
    for (const char* scheme : {"http", "https", "mailto"}) QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    platform::SetMessageBoxHandler({});
    SetFormLookup({});
    Registry().helpBitmapId = 0;
    client_.reset();
}

void ClientAreaTest::ResizeClient(int width, int height) { client_->resize(width, height); }

QWidget* OpenFormTest::Open(std::string_view slug) {
    DestroyCalculators();
    const FormDefinition* definition = FindForm(slug);
    EXPECT_NE(definition, nullptr) << slug;
    form_ = definition ? OpenForm(*definition) : nullptr;
    return form_;
}

QString ScreenshotFolder() {
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QDir().mkpath(folder);
    return QDir(folder).absolutePath();
}

}  // namespace kalvora::testing_support

#include "moc_form_panel_fixture.cpp"
