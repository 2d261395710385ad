// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <span>
#include <vector>

class QUrl;

namespace kalvora::platform {

// An outside program that may be installed: its executable name and the arguments it needs.
struct ProgramChoice {
    QString program;
    QStringList arguments;
};

// Text editors and desktop calculators that stand in for the system's Notepad and calculator,
// most common first.
const std::vector<ProgramChoice>& TextEditors();
const std::vector<ProgramChoice>& Calculators();

// Starts the first program of `choices` found on the search path, detached and without a shell.
// Returns whether one was started; a missing program is no error to report.
bool StartFirstAvailable(std::span<const ProgramChoice> choices);

// Opens a web page, a mailto: link or a local file with the desktop's default program.
bool OpenUrl(const QUrl& url);

}  // namespace kalvora::platform
