// SPDX-License-Identifier: MIT
#include "forms/accessible_names.h"

#include <algorithm>
#include <cstdlib>

#include "forms/qt_text.h"

namespace kalvora {
namespace {

bool IsCaptionKind(ControlKind kind) { return kind == ControlKind::Label || kind == ControlKind::SunkenLabel; }

// The static caption nearest in height to `result` among those that `fits` accepts.
template <typename Fits>
const ControlDefinition* NearestCaption(const FormDefinition& form, const ControlDefinition& result, Fits fits) {
    const ControlDefinition* best = nullptr;
    for (const ControlDefinition& label : form.dialog.controls) {
        if (!IsCaptionKind(label.kind) || !fits(label)) continue;
        if (!best || std::abs(result.y - label.y) < std::abs(result.y - best->y)) best = &label;
    }
    return best;
}

// The caption of a result control: a left-aligned static text that starts above the result and
// spans its left edge; failing that, one on its row to its left.
const ControlDefinition* ResultCaption(const FormDefinition& form, const ControlDefinition& result) {
    const ControlDefinition* above = NearestCaption(form, result, [&](const ControlDefinition& label) {
        return label.y <= result.y && label.x <= result.x && result.x < label.x + label.cx;
    });
    if (above) return above;
    return NearestCaption(form, result, [&](const ControlDefinition& label) {
        return label.x + label.cx <= result.x + 1 && label.y < result.y + result.cy && result.y < label.y + label.cy;
    });
}

}  // namespace

QString ControlObjectName(const FormDefinition& form, std::size_t index) {
    const auto& controls = form.dialog.controls;
    const ControlDefinition& control = controls.at(index);
    if (control.id != -1) {
        const auto repeats = std::count_if(controls.begin(), controls.begin() + std::ptrdiff_t(index),
                                           [&](const ControlDefinition& c) { return c.id == control.id; });
        const QString name = QStringLiteral("ctl%1").arg(control.id);
        return repeats == 0 ? name : QStringLiteral("%1_%2").arg(name).arg(repeats + 1);
    }
    for (const InputDefinition& input : form.inputs)
        if (input.captionIndex == index) return QStringLiteral("captionFor%1").arg(input.controlId);
    return QStringLiteral("%1%2")
        .arg(control.kind == ControlKind::GroupBox ? QStringLiteral("group") : QStringLiteral("static"))
        .arg(index);
}

QString ControlAccessibleName(const FormDefinition& form, std::size_t index) {
    const ControlDefinition& control = form.dialog.controls.at(index);
    if (control.id != -1) {
        for (std::size_t i = 0; i < form.inputs.size(); ++i)
            if (form.inputs[i].controlId == control.id) return ToQString(form.InputCaption(i));
        if (std::find(form.resultIds.begin(), form.resultIds.end(), control.id) != form.resultIds.end())
            if (const ControlDefinition* caption = ResultCaption(form, control)) return ToQString(form.InitialText(*caption));
    }
    return ToQString(form.InitialText(control));
}

}  // namespace kalvora
