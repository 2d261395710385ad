// SPDX-License-Identifier: MIT
// The message boxes on screen, one rule for every view: which boxes to open and close from the
// boxes a view shows and the ones the program waits for, over which window each stands, and
// which windows wait while it is open.
#pragma once

#include <span>
#include <vector>

#include "model/program_state.h"

namespace kalvora {

// A box to open over its owner's window (box.owner, box.ownerForm; a form's box goes with its
// form, so the form is there while the box waits).
struct BoxToOpen {
    WaitingBox box;
    // The box is modal: its owner's window, the main window with its panel and forms, takes no
    // input until it is answered. A box without owner leaves every window usable.
    bool modal = false;
};

struct BoxChanges {
    std::vector<int> close;       // boxes on screen that the program no longer waits for
    std::vector<BoxToOpen> open;  // boxes not yet on screen, in the order they were asked
};

// What changes on screen: `shown` are the ids of the boxes the view shows (or has handed to
// the window system). Boxes open in the program's order; the one opened last stands on top and
// has the keyboard. Each waiting box is opened once: a view adds its id to `shown` before it
// shows it (showing may run an event loop that comes back here).
BoxChanges ChangeBoxes(std::span<const int> shown, const ProgramState& state);

// Whether the main window waits for a box: some waiting box has an owner.
bool MainWindowWaits(const ProgramState& state);

}  // namespace kalvora
