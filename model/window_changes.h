// SPDX-License-Identifier: MIT
// Rebuilding windows by serial, one rule for every view: from what a view shows and the
// program's new state, which panel, form and help windows to destroy, create, show and hide.
#pragma once

#include <array>
#include <vector>

#include "model/program_state.h"

namespace kalvora {

// The windows a view has, each by the serial of the state it was built for (0: none), and
// whether each form window is on screen. A view keeps the `shown` of the last WindowChanges it
// carried out, also where a window could not be made: a serial is tried once, not on every
// turn.
struct ShownWindows {
    int panel = 0;
    std::array<int, kFormSlotCount> forms{};
    std::array<bool, kFormSlotCount> formVisible{};
    int help = 0;

    friend bool operator==(const ShownWindows&, const ShownWindows&) = default;
};

// What a view does, in this order: destroy the forms, then the panel (DestroyCalculators runs
// before DestroyTopicPanels) and the help window; then create the panel, the forms and the help
// window; then show and hide forms. A window is destroyed when its serial changed or it went;
// a new window is created hidden, so a visible new form is also in `showForms`.
struct WindowChanges {
    std::vector<int> destroyForms{};  // slots, in slot order
    bool destroyPanel = false;
    bool destroyHelp = false;
    bool createPanel = false;
    std::vector<int> createForms{};
    bool createHelp = false;  // the help window opens and takes the keyboard
    std::vector<int> showForms{};
    std::vector<int> hideForms{};
    ShownWindows shown{};  // what the view shows once it has done all this

    friend bool operator==(const WindowChanges&, const WindowChanges&) = default;
    bool None() const {
        return destroyForms.empty() && !destroyPanel && !destroyHelp && !createPanel && createForms.empty() &&
               !createHelp && showForms.empty() && hideForms.empty();
    }
};

WindowChanges ChangeWindows(const ShownWindows& shown, const ProgramState& state);

}  // namespace kalvora
