// SPDX-License-Identifier: MIT
// Kalvora: the desktop program.
#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "qt/app/main_window.h"
#include "qt/app/startup_probe.h"
#include "qt/app/translations.h"
#include "qt/platform/message_box.h"
#include "qt/resource_paths.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kalvora"));
    QApplication::setApplicationVersion(QStringLiteral("5.0.9"));
    // Every window of the program, message boxes included, carries icon 201.
    QApplication::setWindowIcon(QIcon(kalvora::resources::IconPath()));
    kalvora::InstallCzechQtTranslations(app);

    if (kalvora::StartupProbeRequested()) {
        // Nobody is there to answer: report each message box and take its first button.
        kalvora::platform::SetMessageBoxHandler([](const kalvora::platform::MessageBoxRequest& request) {
            std::fprintf(stderr, "startup-probe: message box \"%s\": %s\n", qUtf8Printable(request.caption),
                         qUtf8Printable(request.text));
            return request.buttons == kalvora::platform::MessageButtons::YesNo
                       ? kalvora::platform::MessageAnswer::Yes
                       : kalvora::platform::MessageAnswer::Ok;
        });
    }

    kalvora::MainWindow window;
    kalvora::ArmStartupProbe(&window);
    window.show();
    return QApplication::exec();
}
