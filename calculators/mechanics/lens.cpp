// SPDX-License-Identifier: MIT
// Lens optical power from the two refractive indices and the two radii of curvature.
#include "calculators/mechanics/lens.h"

#include "calc/standard_evaluation.h"
#include "calculators/mechanics/side_caption_layout.h"

namespace kalvora {
namespace {

constexpr double kOne = 1.0;

// D = ((nL / nS) - 1) * ((1 / r1) + (1 / r2)); the radii keep their signs.
double LensPower(std::span<const double> v) { return ((v[0] / v[1]) - kOne) * ((kOne / v[2]) + (kOne / v[3])); }

Outcome EvaluateLensPower(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, LensPower, ResultFormat::Fixed3);
}

DialogTemplate LensTemplate() {
    return {222, 365, 294, DialogFont::System,
            {
                {118, ControlKind::CentredLabel, "U spojek kladná, u rozptylek záporná hodnota", 15, 25, 153, 11},
                {116, ControlKind::GroupBox, "Výsledek", 10, 33, 170, 35},
                {100, ControlKind::Label, "Optická mohutnost =", 18, 48, 60, 9},
                SideResult(111, 120, 46),
                {116, ControlKind::GroupBox, "Zadání", 10, 73, 170, 116},
                SideCaption(101, "Index lomu materialu čočky", 81),
                {226, ControlKind::DefaultPushButton, "OK", 10, 193, 50, 14},
                {230, ControlKind::PushButton, "Help", 68, 193, 50, 14},
                {227, ControlKind::PushButton, "Storno", 126, 193, 50, 14},
                SideEdit(306, 81),
                SideEdit(300, 102),
                SideEdit(301, 126),
                SideEdit(302, 150),
                SideCaption(303, "Index lomu okolí", 102),
                SideCaption(304, "Poloměr křivosti (r1)metr", 126),
                SideCaption(305, "Poloměr křivosti (r2)metr", 151),
            }};
}

}  // namespace

FormDefinition LensPowerForm() {
    FormDefinition form;
    form.slug = "lens-power";
    form.field = Field::Optics;
    form.dialog = LensTemplate();
    form.title = "Optická mohutnost čočky(dioptrie)";
    form.inputs = {{306, 5}, {300, 13}, {301, 14}, {302, 15}};
    // Esc sends IDCANCEL (2), which this form does not answer: Esc leaves it open.
    form.okId = 226;
    form.cancelId = 227;
    form.help = HelpAction::StorePicture;
    form.helpBitmapId = 2009;
    form.focusId = 306;
    form.presets = {{306, "sklo 1.5"}, {300, "vzduch 1"}};
    form.evaluate = EvaluateLensPower;
    return form;
}

}  // namespace kalvora
