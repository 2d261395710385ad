// SPDX-License-Identifier: MIT
#include "model/result_caption.h"

#include <cstdlib>

namespace kalvora {
namespace {

bool IsCaptionKind(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::SunkenLabel;
}

// The static caption nearest in height to `result` among those that `fits` accepts.
template <typename Fits>
const ControlDefinition* NearestCaption(const FormDefinition& form, const ControlDefinition& result,
                                        Fits fits) {
    const ControlDefinition* best = nullptr;
    for (const ControlDefinition& label : form.dialog.controls) {
        if (!IsCaptionKind(label.kind) || !fits(label)) continue;
        if (!best || std::abs(result.y - label.y) < std::abs(result.y - best->y)) best = &label;
    }
    return best;
}

}  // namespace

const ControlDefinition* ResultCaption(const FormDefinition& form, const ControlDefinition& result) {
    const ControlDefinition* above = NearestCaption(form, result, [&](const ControlDefinition& label) {
        return label.y <= result.y && label.x <= result.x && result.x < label.x + label.cx;
    });
    if (above) return above;
    return NearestCaption(form, result, [&](const ControlDefinition& label) {
        return label.x + label.cx <= result.x + 1 && label.y < result.y + result.cy &&
               result.y < label.y + label.cy;
    });
}

}  // namespace kalvora
