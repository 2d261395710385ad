// SPDX-License-Identifier: MIT
// Half-wave dipole: half the free-space wavelength, with no shortening factor.
#include "calculators/antenna/dipole.h"

#include "calc/standard_evaluation.h"
#include "calc/standard_layout.h"
#include "calculators/antenna/wavelength.h"

namespace kalvora {
namespace {

double DipoleLength(std::span<const double> v) { return FreeSpaceHalfWave(v[0]); }

Outcome EvaluateHalfWaveDipole(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, DipoleLength, ResultFormat::Fixed3);
}

}  // namespace

FormDefinition HalfWaveDipoleForm() {
    FormDefinition form;
    form.slug = "half-wave-dipole";
    form.field = Field::Antenna;
    form.dialog = {253, 120, 240, DialogFont::Dialog9pt,
                   Concat({{Subtitle("")}, ResultArea("Délka dipólu L (metr) ="), {InputGroup()},
                           StandardInputRow(0, 107, "Přijímaný kmitočet (MHz)"),
                           // The sketch of the folded dipole, bitmap resource "MYBMP".
                           {{233, ControlKind::Picture, "MYBMP", 15, 114, 156, 68}},
                           ButtonRow(ButtonOrder::OkStorno)})};
    form.title = "Půlvlnový dipól";
    form.inputs = {{107, 5}};
    form.help = HelpAction::None;  // the template has no Help button
    form.focusId = 107;
    form.evaluate = EvaluateHalfWaveDipole;
    return form;
}

}  // namespace kalvora
