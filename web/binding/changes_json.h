// SPDX-License-Identifier: MIT
// What the page changes after an event, decided by the model: which windows to destroy, create,
// show and hide (by serial) and which message boxes to close and open. The binding keeps what the
// page shows, as the page carries out every change it is given.
#pragma once

#include <string>
#include <vector>

#include "model/program_state.h"
#include "model/window_changes.h"

namespace kalvora::web {

class ShownOnPage {
public:
    // The changes from what the page shows to `state`, as JSON; afterwards the page shows `state`.
    std::string Changes(const ProgramState& state);

private:
    ShownWindows windows_;
    std::vector<int> boxes_;
};

}  // namespace kalvora::web
