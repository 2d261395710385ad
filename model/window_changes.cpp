// SPDX-License-Identifier: MIT
#include "model/window_changes.h"

namespace kalvora {

WindowChanges ChangeWindows(const ShownWindows& shown, const ProgramState& state) {
    WindowChanges changes;
    ShownWindows& next = changes.shown;
    next = shown;
    for (std::size_t slot = 0; slot < kFormSlotCount; ++slot) {
        const std::optional<FormInstance>& form = state.forms[slot];
        const int serial = form ? form->serial : 0;
        if (shown.forms[slot] != 0 && shown.forms[slot] != serial) {
            changes.destroyForms.push_back(int(slot));
            next.forms[slot] = 0;
            next.formVisible[slot] = false;
        }
    }
    const int panel = state.panel ? state.panel->serial : 0;
    changes.destroyPanel = shown.panel != 0 && shown.panel != panel;
    changes.createPanel = panel != 0 && shown.panel != panel;
    next.panel = panel;
    const int help = state.helpWindowOpen ? state.helpWindowSerial : 0;
    changes.destroyHelp = shown.help != 0 && shown.help != help;
    changes.createHelp = help != 0 && shown.help != help;
    next.help = help;
    for (std::size_t slot = 0; slot < kFormSlotCount; ++slot) {
        const std::optional<FormInstance>& form = state.forms[slot];
        if (!form) continue;
        if (next.forms[slot] != form->serial) {
            changes.createForms.push_back(int(slot));
            next.forms[slot] = form->serial;
        }
        if (next.formVisible[slot] != form->visible)
            (form->visible ? changes.showForms : changes.hideForms).push_back(int(slot));
        next.formVisible[slot] = form->visible;
    }
    return changes;
}

}  // namespace kalvora
