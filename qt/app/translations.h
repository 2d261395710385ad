// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;

namespace kalvora {

// Installs Qt's own Czech translations (qtbase_cs) into `app` whatever the system language, so
// the standard buttons read "Ano", "Ne" and so on. Returns whether they were found.
bool InstallCzechQtTranslations(QCoreApplication& app);

}  // namespace kalvora
