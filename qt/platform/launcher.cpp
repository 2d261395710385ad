// SPDX-License-Identifier: MIT
#include "qt/platform/launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace kalvora::platform {

const std::vector<ProgramChoice>& TextEditors() {
    static const std::vector<ProgramChoice> editors {
#if defined(Q_OS_WIN)
        {"notepad.exe", {}},
#elif defined(Q_OS_MACOS)
        {"open", {"-a", "TextEdit"}},
#else
        {"gnome-text-editor", {}}, {"gedit", {}}, {"kate", {}}, {"kwrite", {}}, {"mousepad", {}},
            {"pluma", {}}, {"xed", {}}, {"featherpad", {}}, {"leafpad", {}}, {"l3afpad", {}},
#endif
    };
    return editors;
}

const std::vector<ProgramChoice>& Calculators() {
    static const std::vector<ProgramChoice> calculators {
#if defined(Q_OS_WIN)
        {"calc.exe", {}},
#elif defined(Q_OS_MACOS)
        {"open", {"-a", "Calculator"}},
#else
        {"gnome-calculator", {}}, {"kcalc", {}}, {"galculator", {}}, {"mate-calc", {}}, {"qalculate-gtk", {}},
            {"qalculate-qt", {}}, {"xcalc", {}},
#endif
    };
    return calculators;
}

bool StartFirstAvailable(std::span<const ProgramChoice> choices) {
    for (const ProgramChoice& choice : choices) {
        const QString path = QStandardPaths::findExecutable(choice.program);
        if (path.isEmpty()) continue;
        return QProcess::startDetached(path, choice.arguments);
    }
    return false;
}

bool OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

}  // namespace kalvora::platform
