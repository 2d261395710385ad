// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <vector>

#include "calc/form_definition.h"
#include "qt/forms/form_keyboard.h"
#include "qt/forms/framed_window.h"
#include "model/program_state.h"

namespace kalvora {

// The one calculator frame: realises any form's template with the texts the program holds for
// it, paints its title, moves the focus with Tab as the dialog manager does, and reports what
// the user does (a button, Enter, Esc, an edit, a list choice, the form taken into use) without
// deciding what follows. The controls stand in the client area inside the template's sizing
// frame; the title is painted there too.
class CalculatorForm : public FramedWindow {
    Q_OBJECT

public:
    CalculatorForm(const FormInstance& form, QWidget* parent);

    const FormDefinition& Definition() const { return definition_; }

    // The first control with this id in template order, or nullptr.
    QWidget* Control(int id) const;

    // Shows the texts and list items of `form` where the controls show something else. What is
    // set here is the program's own and is not reported back.
    void ShowState(const FormInstance& form);

    // Gives the keyboard focus to the control with this id.
    void FocusControl(int id);

signals:
    void buttonPressed(int controlId);  // a push button or the link label
    void enterPressed(int focusedControlId);
    void escapePressed();
    void textEdited(int controlId, const QString& text);  // an edit's or a drop-down list's text
    void itemChosen(int controlId, int index);            // an item of a drop-down list
    void activated();                                     // the form got the focus or a click

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build(const FormInstance& form);
    void Report(const ControlDefinition& control, QWidget* widget);
    bool HandleKey(QObject* watched, const QKeyEvent& key);
    int FocusedControlId() const;

    const FormDefinition& definition_;
    std::vector<TabStop> controls_;  // template order
    QPoint titleOrigin_;             // where the painted title's text cell starts in the client area
    bool showing_ = false;           // ShowState is setting texts: the changes are not the user's
};

}  // namespace kalvora
