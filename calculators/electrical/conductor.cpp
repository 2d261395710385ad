// SPDX-License-Identifier: MIT
// Conductor resistance from a material's resistivity, and the voltage drop on a conductor.
#include "calculators/electrical/conductor.h"

#include "calc/standard_evaluation.h"
#include "calc/standard_layout.h"

namespace kalvora {
namespace {

// R = (ρ · l) / S, inputs in reading order ρ, S, l: the product first, then the quotient.
double ConductorResistance(std::span<const double> v) {
    const double t = v[0] * v[2];
    return t / v[1];
}

double VoltageDrop(std::span<const double> v) {
    return v[0] * v[1];
}

Outcome EvaluateConductorResistance(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, ConductorResistance, ResultFormat::Fixed5);
}
Outcome EvaluateVoltageDrop(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, VoltageDrop, ResultFormat::Fixed2);
}

}  // namespace

const std::vector<std::string_view>& ConductorMaterials() {
    static const std::vector<std::string_view> items{
        "stříbro 0.016", "měď 0.0175",  "hliník 0.0285",  "železo 0.13",
        "ocel 0.2",      "nikelin 0.4", "konstantan 0.5", "cekas 1.1",
    };
    return items;
}

FormDefinition ConductorResistanceForm() {
    // The material combo stands in the first row; Tab passes over it and typing stops at its width.
    const ControlDefinition material{107, ControlKind::ComboBox, "", 68, 90, 74, 84, kNoAutoScroll};
    FormDefinition form;
    form.slug = "conductor-resistance";
    form.field = Field::Electrical;
    form.dialog = {191, 120, 240, DialogFont::Dialog9pt,
                   Concat({{Subtitle("Odpor vodiče")},
                           ResultArea("Odpor vodiče ="),
                           {InputGroup()},
                           {StandardCaption(0, "Měrný odpor materialu ró"), material},
                           StandardInputRow(1, 106, "Průřez vodiče v mm čtverečních S"),
                           StandardInputRow(2, 105, "Délka vodiče v metrech l"),
                           ButtonRow(ButtonOrder::HelpOkStorno)})};
    form.title = "Odpor vodiče";
    form.inputs = {{107, 5}, {106, 7}, {105, 9}};
    form.help = HelpAction::StorePicture;
    form.helpBitmapId = 2008;
    form.focusId = 107;
    form.focusAtOpen = true;
    form.focusAfterResult = false;
    form.lists = {{107, ConductorMaterials()}};
    form.evaluate = EvaluateConductorResistance;
    return form;
}

FormDefinition VoltageDropForm() {
    FormDefinition form;
    form.slug = "voltage-drop";
    form.field = Field::Electrical;
    form.dialog = {197, 120, 240, DialogFont::Dialog9pt,
                   Concat({{Subtitle("Úbytek napětí vlivem odporu vodiče")},
                           ResultArea("Úbytek napětí delta U (volt) ="),
                           {InputGroup()},
                           StandardInputRow(0, 107, "Proud obvodu spotřebiče (amper)"),
                           StandardInputRow(1, 106, "Odpor vodiče (ohm)"),
                           ButtonRow(ButtonOrder::HelpOkStorno)})};
    form.title = "Úbytek napětí vlivem odp.vodiče";
    form.inputs = {{107, 5}, {106, 7}};
    form.help = HelpAction::StorePicture;  // the topic's formula picture
    form.helpBitmapId = 2012;
    form.focusId = 0;  // the form never sets the focus
    form.focusAtOpen = false;
    form.focusAfterResult = false;
    form.evaluate = EvaluateVoltageDrop;
    return form;
}

}  // namespace kalvora
