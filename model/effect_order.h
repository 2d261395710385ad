// SPDX-License-Identifier: MIT
// Which of the effects of one event a view carries out, one rule for every view.
#pragma once

#include <vector>

#include "model/effect.h"
#include "model/program_state.h"

namespace kalvora {

// The effects a view carries out, in order, once it has drawn `state`: nothing after Quit (the
// program has ended, and the windows a later effect names are gone); Focus only on a form the
// state holds and shows; RaiseHelpWindow only while the help window is open; the memory read
// once however often it was asked for (a view answers RefreshMemory with Program::Tick and the
// figures of that moment, then draws the status texts).
std::vector<Effect> EffectsToCarryOut(std::vector<Effect> effects, const ProgramState& state);

}  // namespace kalvora
