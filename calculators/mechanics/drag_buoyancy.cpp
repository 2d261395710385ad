// SPDX-License-Identifier: MIT
// Aerodynamic drag and buoyancy.
#include "calculators/mechanics/drag_buoyancy.h"

#include "calc/standard_evaluation.h"
#include "calculators/mechanics/side_caption_layout.h"

namespace kalvora {
namespace {

constexpr double kHalf = 0.5;

// F = ((((0.5 * C) * rho) * S) * v) * v: v enters twice rather than squared first.
double DragForce(std::span<const double> v) { return ((((kHalf * v[0]) * v[1]) * v[2]) * v[3]) * v[3]; }

Outcome EvaluateAerodynamicDrag(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, DragForce, ResultFormat::Fixed3);
}

// Inputs V, rho body, g, Vd, rho liquid. The buoyant force Fb = (Vd * rho liquid) * g and the
// apparent weight W = (V * rho body) - (Vd * rho liquid), a mass in kilograms: g does not enter
// it, yet g must not be zero either.
Outcome EvaluateBuoyancy(std::span<const std::string_view> texts) {
    const auto numbers = ReadNonZeroInputs(texts);
    if (!numbers) return Outcome::Fail(InputError());
    const auto& n = *numbers;
    const double buoyantForce = (n[3] * n[4]) * n[2];
    const double apparentWeight = (n[0] * n[1]) - (n[3] * n[4]);
    return Outcome::Results(
        {FormatResult(buoyantForce, ResultFormat::Fixed3), FormatResult(apparentWeight, ResultFormat::Fixed3)});
}

DialogTemplate DragTemplate() {
    return {239, 365, 294, DialogFont::System,
            {
                {118, ControlKind::CentredLabel, "", 15, 25, 153, 11},
                {116, ControlKind::GroupBox, "Výsledek", 10, 33, 170, 35},
                {100, ControlKind::Label, "Aerodynamická odporová síla (N) =", 18, 42, 70, 22},
                SideResult(111, 120, 46),
                {116, ControlKind::GroupBox, "Zadání", 10, 73, 170, 116},
                SideCaption(101, "Součinitel odporu C", 81),
                {1, ControlKind::DefaultPushButton, "OK", 10, 193, 50, 14},
                {230, ControlKind::PushButton, "Help", 68, 193, 50, 14},
                {2, ControlKind::PushButton, "Storno", 126, 193, 50, 14},
                SideEdit(306, 81),
                SideEdit(300, 102),
                SideEdit(301, 126),
                SideEdit(302, 150),
                SideCaption(303, "Hustota okolí ró(kg/m3)", 102),
                SideCaption(304, "Obsah průřezu tělesa kolmého ke směru pohybu S(m2)", 120, 24),
                SideCaption(305, "Rychlost tělesa v (m/s)", 151),
            }};
}

DialogTemplate BuoyancyTemplate() {
    return {245, 365, 294, DialogFont::System,
            {
                {118, ControlKind::CentredLabel, "", 15, 25, 153, 11},
                {116, ControlKind::GroupBox, "Výsledek", 10, 20, 170, 50},
                {100, ControlKind::Label, "Vztlaková síla (N) =", 18, 30, 70, 22},
                SideResult(111, 120, 30),
                {249, ControlKind::Label, "Zdánlivá tíha nadnášeného tělesa(kg) =", 18, 46, 90, 22},
                SideResult(250, 120, 50),
                {116, ControlKind::GroupBox, "Zadání", 10, 73, 170, 116},
                SideCaption(101, "Objem tělesa (m3)", 81),
                {1, ControlKind::DefaultPushButton, "OK", 10, 220, 51, 15},
                {2, ControlKind::PushButton, "Storno", 126, 220, 51, 15},
                SideEdit(240, 81),
                SideEdit(241, 102),
                SideEdit(242, 126),
                SideEdit(243, 150),
                SideCaption(303, "Hustota tělesa ró(kg/m3)", 102),
                SideCaption(304, "Gravitační zrychlení (m/s)", 126),
                SideCaption(305, "Objem vytláčené kapaliny (m3)", 151, 20),
                SideEdit(244, 174),
                SideCaption(247, "Hustota kapaliny ro (kg/m3)", 174),
            }};
}

}  // namespace

FormDefinition AerodynamicDragForm() {
    FormDefinition form;
    form.slug = "aerodynamic-drag";
    form.field = Field::GasesAndLiquids;
    form.dialog = DragTemplate();
    form.title = "Aerodynamiká odporová síla";
    form.inputs = {{306, 5}, {300, 13}, {301, 14}, {302, 15}};
    form.help = HelpAction::StorePicture;
    form.helpBitmapId = 2010;
    form.focusId = 306;
    form.presets = {{306, "automobil 0.3"}, {300, "vzduch 1.3"}};
    form.evaluate = EvaluateAerodynamicDrag;
    return form;
}

FormDefinition BuoyancyForm() {
    FormDefinition form;
    form.slug = "buoyancy";
    form.field = Field::GasesAndLiquids;
    form.dialog = BuoyancyTemplate();
    form.title = "Archimédův zákon";
    form.inputs = {{240, 7}, {241, 14}, {242, 15}, {243, 16}, {244, 18}};
    form.resultIds = {111, 250};
    form.help = HelpAction::None;  // the template has no Help button
    form.focusId = 240;
    form.presets = {{242, "9.81"}, {244, "voda 1000"}};
    form.evaluate = EvaluateBuoyancy;
    return form;
}

}  // namespace kalvora
