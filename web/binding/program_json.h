// SPDX-License-Identifier: MIT
// The model's data as JSON for the browser view: the fixed tables once, the state after every
// event, and the effects taken.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/effect.h"
#include "model/program_state.h"

namespace kalvora::web {

// Everything that never changes while the program runs: the program's texts, the toolbar, the
// menu, the six panels and the 22 forms (templates, inputs, results and their captions).
std::string StaticDataJson(std::span<const FormDefinition* const> forms);

// The state as the view draws it. Forms are named by their slot; their controls' states are in
// template order.
std::string StateJson(const ProgramState& state, std::span<const FormDefinition* const> forms);

std::string EffectsJson(const std::vector<Effect>& effects);

}  // namespace kalvora::web
