// SPDX-License-Identifier: MIT
// The main window carries out what the program asks for beyond drawing its state.
#include <QApplication>
#include <QTimer>
#include <QUrl>

#include "qt/app/about_dialog.h"
#include "qt/app/data_files.h"
#include "qt/app/main_window.h"
#include "qt/forms/calculator_form.h"
#include "qt/forms/help_window.h"
#include "qt/forms/qt_text.h"
#include "model/shell_data.h"
#include "qt/platform/launcher.h"

namespace kalvora {

void MainWindow::CarryOut(const Effect& effect) {
    switch (effect.kind) {
        case EffectKind::OpenAddress:
            // The desktop's browser decides how large its window is.
            platform::OpenUrl(QUrl(ToQString(effect.address)));
            break;
        case EffectKind::OpenHelpPage:
            OpenHelpPage();
            break;
        case EffectKind::StartTextEditor:
            platform::StartFirstAvailable(platform::TextEditors());
            break;
        case EffectKind::StartCalculator:
            platform::StartFirstAvailable(platform::Calculators());
            break;
        case EffectKind::ShowAbout:
            ShowAboutDialog(this);
            break;
        case EffectKind::Focus:
            if (auto* form = qobject_cast<CalculatorForm*>(FormWindow(effect.form)))
                form->FocusControl(effect.control);
            break;
        case EffectKind::MoveMainWindow:
            PlaceMainWindow(effect.rect);
            break;
        case EffectKind::RaiseHelpWindow:
            RaiseHelpWindow();
            break;
        case EffectKind::RefreshMemory:
            UpdateMemoryStatus();
            break;
        case EffectKind::Quit:
            Quit();
            break;
    }
}

void MainWindow::OpenHelpPage() {
    // Without the page nothing opens: the program has no other help to offer.
    const QString page = FindDataFile(options_.dataFolders, ToQString(text::kHelpPageFileName));
    if (!page.isEmpty()) platform::OpenUrl(QUrl::fromLocalFile(page));
}

void MainWindow::RaiseHelpWindow() {
    if (!help_) return;
    help_->show();
    help_->raise();
    help_->activateWindow();
    help_->update();
}

void MainWindow::Quit() {
    // The help window and the boxes went with the program's state. Once this window is hidden
    // too, quitting ends every event loop, so exec() returns 0.
    close();
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

}  // namespace kalvora
