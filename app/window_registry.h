// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstddef>

#include "calc/form_definition.h"

namespace kalvora {

constexpr std::size_t kFieldCount = 6;
constexpr std::size_t kFormCount = 22;

// The program-wide window slots through which the main window, the topic panels, the forms and
// the help window find each other. A slot whose window is destroyed reads as empty (QPointer).
struct WindowRegistry {
    QPointer<QWidget> mainWindow;  // the top-level window
    QPointer<QWidget> client;      // its client area: parent of toolbar, panels, gauge, forms
    QPointer<QWidget> toolbar;
    QPointer<QWidget> statusBar;
    QPointer<QWidget> gauge;
    std::array<QPointer<QWidget>, kFieldCount> panels;  // indexed by Field
    std::array<QPointer<QWidget>, kFormCount> forms;    // indexed by catalogue position
    QPointer<QWidget> helpWindow;
    QPointer<QWidget> activeCalculator;  // the form that gets Enter, Esc, Tab and the resize layout
    int helpBitmapId = 0;                // the picture the help window shows
};

WindowRegistry& Registry();

// Destroys every form (hidden ones too) and the help window.
void DestroyCalculators();

// Destroys every topic panel.
void DestroyTopicPanels();

// The slot index of a form (its catalogue position).
std::size_t FormSlot(const FormDefinition& form);

}  // namespace kalvora
