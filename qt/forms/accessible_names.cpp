// SPDX-License-Identifier: MIT
#include "qt/forms/accessible_names.h"

#include <algorithm>

#include "qt/forms/qt_text.h"
#include "model/result_caption.h"

namespace kalvora {

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
            if (const ControlDefinition* caption = ResultCaption(form, control))
                return ToQString(form.InitialText(*caption));
    }
    return ToQString(form.InitialText(control));
}

}  // namespace kalvora
