// SPDX-License-Identifier: MIT
#include "calc/form_definition.h"

#include <algorithm>

namespace kalvora {

const ControlDefinition* DialogTemplate::Find(int controlId) const {
    auto it = std::find_if(controls.begin(), controls.end(),
                           [controlId](const ControlDefinition& c) { return c.id == controlId; });
    return it == controls.end() ? nullptr : &*it;
}

bool TakesTabStop(const ControlDefinition& control) {
    switch (control.kind) {
    case ControlKind::Edit:
    case ControlKind::ReadOnlyEdit:
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
        return (control.flags & kNoTabStop) == 0;
    case ControlKind::ComboBox:
        return (control.flags & kTabStop) != 0;
    default:
        return false;
    }
}

std::string_view FormDefinition::InitialText(const ControlDefinition& control) const {
    if (control.id != -1) {
        for (const PresetText& relabel : relabels)
            if (relabel.controlId == control.id) return relabel.text;
    }
    return control.text;
}

std::string_view FormDefinition::InputCaption(std::size_t index) const {
    const InputDefinition& input = inputs.at(index);
    return InitialText(dialog.controls.at(input.captionIndex));
}

Outcome Evaluate(const FormDefinition& form, std::span<const std::string_view> texts) {
    std::vector<std::string_view> padded(form.inputs.size());
    std::copy_n(texts.begin(), std::min(texts.size(), padded.size()), padded.begin());
    return form.evaluate(padded);
}

}  // namespace kalvora
