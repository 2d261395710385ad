// SPDX-License-Identifier: MIT
#pragma once

#include <span>

class QKeyEvent;
class QWidget;

namespace kalvora {

// The keys a form handles itself, as the dialog manager does for the active dialog.
enum class DialogKey {
    None,
    NextTabStop,      // Tab
    PreviousTabStop,  // Shift+Tab
    Enter,            // Return or the keypad's Enter: the default button
    Escape,           // the cancel command, id 2
    KeypadDecimal,    // the keypad's decimal key, which types '.' whatever the keyboard layout
};

DialogKey ClassifyDialogKey(const QKeyEvent& event);

// One control of a form in template order, and whether Tab stops at it.
struct TabStop {
    QWidget* widget = nullptr;
    bool stops = false;
};

// The control that Tab (or Shift+Tab, `backwards`) moves to from the control holding `focus`
// (the control itself or a widget inside it): the next tab stop in template order, wrapping
// around, passing over hidden and disabled controls. From a control that is no tab stop the
// search starts at its own place in the order; with no control focused, at the start or end.
// nullptr when the form has no reachable tab stop.
QWidget* NextTabStop(std::span<const TabStop> controls, const QWidget* focus, bool backwards);

}  // namespace kalvora
