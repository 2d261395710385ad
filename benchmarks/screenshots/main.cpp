// SPDX-License-Identifier: MIT
// Saves what the Qt view shows, for comparing two builds pixel by pixel
// (benchmarks/screenshots.sh qt, benchmarks/compare-screenshots.sh): the main window after each
// field command (field-<name>.png), with each form opened from its panel as a user opens it
// (form-<slug>.png), and the help window of the current form (help-current.png).
// The memory figures are fixed and the text cursor does not blink, so two runs give the same bytes.
#include <QApplication>
#include <QDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>

#include "model/panel_data.h"
#include "model/shell_data.h"
#include "qt/app/main_window.h"
#include "qt/platform/message_box.h"

namespace {

constexpr int kHelpButton = 230;  // the forms' Help button

void Settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

bool Save(QWidget* window, const QDir& folder, const QString& name) {
    Settle();
    const bool saved = window && window->grab().save(folder.filePath(name + QStringLiteral(".png")));
    if (!saved) std::fprintf(stderr, "screenshots: could not save %s\n", qUtf8Printable(name));
    return saved;
}

// The field's toolbar button, then the panel label that names the form; a form no label opens
// comes on screen by its slot, on its field's panel.
void OpenAsUser(kalvora::MainWindow& window, const kalvora::FormDefinition& form, int slot) {
    const auto field = std::find_if(kalvora::kFieldCommands.begin(), kalvora::kFieldCommands.end(),
                                    [&](const kalvora::FieldCommand& f) { return f.field == form.field; });
    window.RunCommand(field->buttonId);
    for (const kalvora::PanelLabel& label : kalvora::PanelFor(form.field).labels)
        if (label.action == kalvora::LabelAction::OpenForm && label.target == form.title && !window.FormWindow(slot))
            window.Send([&](kalvora::Program& program) { program.ClickLabel(label.id); });
    if (!window.FormWindow(slot)) window.Send([&](kalvora::Program& program) { program.OpenFormSlot(slot); });
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kalvora_screenshots OUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QApplication::setCursorFlashTime(0);
    kalvora::platform::SetMessageBoxHandler([](const kalvora::platform::MessageBoxRequest& request) {
        std::fprintf(stderr, "screenshots: message box: %s\n", qUtf8Printable(request.text));
        return kalvora::platform::MessageAnswer::Ok;
    });
    kalvora::MainWindowOptions options;
    options.readMemory = [] { return kalvora::platform::MemoryInfo{8ull << 30, 3ull << 30}; };
    kalvora::MainWindow window(options);
    window.show();
    Settle();

    bool saved = true;
    for (const kalvora::FieldCommand& field : kalvora::kFieldCommands) {
        window.RunCommand(field.buttonId);
        saved &= Save(&window, folder, QStringLiteral("field-%1").arg(QLatin1String(field.name)));
    }
    const auto forms = kalvora::Catalogue();
    for (std::size_t slot = 0; slot < forms.size(); ++slot) {
        OpenAsUser(window, *forms[slot], int(slot));
        saved &= Save(&window, folder, QStringLiteral("form-%1").arg(QLatin1String(forms[slot]->slug)));
    }
    const int current = window.SlotOf("current");
    OpenAsUser(window, *forms[std::size_t(current)], current);
    window.Send([&](kalvora::Program& program) { program.PressButton(current, kHelpButton); });
    saved &= Save(window.HelpWindowOnScreen(), folder, QStringLiteral("help-current"));
    return saved ? 0 : 1;
}
