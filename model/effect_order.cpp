// SPDX-License-Identifier: MIT
#include "model/effect_order.h"

namespace kalvora {
namespace {

bool Applies(const Effect& effect, const ProgramState& state) {
    switch (effect.kind) {
        case EffectKind::Focus: {
            if (effect.form < 0 || effect.form >= int(kFormSlotCount)) return false;
            const std::optional<FormInstance>& form = state.forms[std::size_t(effect.form)];
            return form && form->visible;
        }
        case EffectKind::RaiseHelpWindow:
            return state.helpWindowOpen;
        default:
            return true;
    }
}

}  // namespace

std::vector<Effect> EffectsToCarryOut(std::vector<Effect> effects, const ProgramState& state) {
    std::vector<Effect> kept;
    bool memoryRead = false;
    for (Effect& effect : effects) {
        if (!Applies(effect, state)) continue;
        if (effect.kind == EffectKind::RefreshMemory) {
            if (memoryRead) continue;
            memoryRead = true;
        }
        kept.push_back(std::move(effect));
        if (kept.back().kind == EffectKind::Quit) break;
    }
    return kept;
}

}  // namespace kalvora
