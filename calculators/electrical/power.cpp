// SPDX-License-Identifier: MIT
// Input power and active power of an appliance.
#include "calculators/electrical/power.h"

#include "calc/standard_evaluation.h"
#include "calc/standard_layout.h"

namespace kalvora {
namespace {

double InputPower(std::span<const double> v) {
    return v[0] * v[1];
}

// P = (cos φ · I) · U, inputs in reading order cos φ, I, U.
double ActivePower(std::span<const double> v) {
    const double t = v[0] * v[1];
    return t * v[2];
}

Outcome EvaluateInputPower(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, InputPower, ResultFormat::Fixed5);
}
Outcome EvaluateActivePower(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, ActivePower, ResultFormat::Fixed2);
}

}  // namespace

const std::vector<std::string_view>& PowerFactors() {
    static const std::vector<std::string_view> items{"0.1", "0.2", "0.3", "0.4", "0.5",
                                                     "0.6", "0.7", "0.8", "0.9"};
    return items;
}

FormDefinition InputPowerForm() {
    FormDefinition form;
    form.slug = "input-power";
    form.field = Field::Electrical;
    form.dialog = {194, 365, 294, DialogFont::Dialog9pt,
                   Concat({{Subtitle("Příkon spotřebiče")},
                           ResultArea("Příkon spotřebiče (watt) ="),
                           {InputGroup()},
                           StandardInputRow(0, 107, "Proud obvodu spotřebiče (amper)"),
                           StandardInputRow(1, 106, "Napětí obvodu (volt)"),
                           ButtonRow(ButtonOrder::HelpOkStorno)})};
    form.title = "Příkon spotřebiče";
    form.inputs = {{107, 5}, {106, 7}};
    form.help = HelpAction::StorePicture;  // the topic's formula picture
    form.helpBitmapId = 2015;
    form.focusId = 107;
    form.focusAtOpen = true;
    form.focusAfterResult = true;
    form.evaluate = EvaluateInputPower;
    return form;
}

FormDefinition ActivePowerForm() {
    // A narrow drop-down in the first row; Tab passes over it.
    const ControlDefinition powerFactor{204, ControlKind::ComboBox, "", 68, 90, 34, 84, kNoFlags};
    FormDefinition form;
    form.slug = "active-power";
    form.field = Field::Electrical;
    form.dialog = {195, 365, 294, DialogFont::Dialog9pt,
                   Concat({{Subtitle("Činný výkon spotřebiče ")},
                           ResultArea("Činný výkon spotřebiče (watt) ="),
                           {InputGroup()},
                           {StandardCaption(0, "Účiník spotřebiče cos(fí)"), powerFactor},
                           StandardInputRow(1, 106, "Proud (amper)"),
                           StandardInputRow(2, 105, "Napětí (volt)"),
                           ButtonRow(ButtonOrder::HelpOkStorno)})};
    form.title = "Činný výkon spotř.s induk.odporem";
    form.inputs = {{204, 5}, {106, 7}, {105, 9}};
    form.help = HelpAction::StorePicture;  // the topic's formula picture
    form.helpBitmapId = 2016;
    form.focusId = 204;  // the first input; the form never moves the focus to it
    form.focusAtOpen = false;
    form.focusAfterResult = false;
    form.lists = {{204, PowerFactors()}};
    form.evaluate = EvaluateActivePower;
    return form;
}

}  // namespace kalvora
