// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <optional>
#include <vector>

#include "calc/form_definition.h"
#include "forms/form_keyboard.h"
#include "forms/framed_window.h"

namespace kalvora {

// The one calculator frame: realises any form's template, paints its title, and carries out
// OK, Help, Storno, the link label and the dialog keys from the form's data. The controls stand
// in the client area inside the template's sizing frame; the title is painted there too.
class CalculatorForm : public FramedWindow {
    Q_OBJECT

public:
    CalculatorForm(const FormDefinition& definition, QWidget* parent);

    // The first control with this id in template order, or nullptr.
    QWidget* Control(int id) const;

    // What a command with this control id does: OK, Storno, Help or the link; others nothing.
    void Command(int id);

    // Moves the form to x 190, y 43 of the main window's client area, reaching to its right
    // edge and to 17 pixels above its bottom.
    void PlaceInClient();

    // Widens the main window to 660 pixels and shortens it by 40, remembering its rectangle
    // for Storno to restore.
    void WidenMainWindow();

    // Gives the keyboard focus to the form's focus target.
    void FocusFirstInput();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    void FillLists();
    void ApplyPresets();
    void WatchEvents();
    bool HandleKey(QObject* watched, const QKeyEvent& key);

    void PressOk();
    void PressCancel();
    void PressHelp();
    void LearnTypedTexts();
    QString InputText(int id) const;
    void SetResultText(int id, const QString& text);

    const FormDefinition& definition_;
    std::vector<const ControlDefinition*> definitions_;  // template order
    std::vector<TabStop> controls_;          // template order, the same length
    std::optional<QRect> mainWindowBeforeWidening_;
};

}  // namespace kalvora
