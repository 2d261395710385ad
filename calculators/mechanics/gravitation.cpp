// SPDX-License-Identifier: MIT
// The gravitation law, gravitational acceleration and free fall.
#include "calculators/mechanics/gravitation.h"

#include "calc/standard_evaluation.h"
#include "calc/standard_layout.h"
#include "calculators/electrical/ohms_law.h"

namespace kalvora {
namespace {

constexpr double kGravitationalConstant = 6.67e-11;
constexpr double kHalf = 0.5;

constexpr std::string_view kMassItems[] = {"Země 6e24", "Měsíc 7.5e22", "Slunce 2e30"};
constexpr std::string_view kDistanceItems[] = {"Země Měsíc 3.8e8", "Slunce Země 1.5e11"};

// An editable, sorted drop-down list in the place of a standard edit (84 wide, 60 high with
// its list), reached by Tab; typing stops at the field's width.
ControlDefinition MassOrDistanceList(int id, int y) {
    return {id, ControlKind::ComboBox, "", 48, y, 84, 60, kSorted | kTabStop | kVerticalScroll | kNoAutoScroll};
}

// F = ((m1 * m2) * G) / (r * r): the masses multiplied first, then G, then divided by r squared.
double GravitationForce(std::span<const double> v) {
    return ((v[0] * v[1]) * kGravitationalConstant) / (v[2] * v[2]);
}

// g = (G * M) / (r * r).
double GravitationalAcceleration(std::span<const double> v) {
    return (kGravitationalConstant * v[0]) / (v[1] * v[1]);
}

// s = ((t * t) * g) * 0.5 with the inputs read as g, then t.
double FreeFallDistance(std::span<const double> v) { return ((v[1] * v[1]) * v[0]) * kHalf; }

Outcome EvaluateGravitationLaw(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, GravitationForce, ResultFormat::Exponent2);
}
Outcome EvaluateGravitationalAcceleration(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, GravitationalAcceleration, ResultFormat::Fixed5);
}
Outcome EvaluateFreeFall(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, FreeFallDistance, ResultFormat::Fixed3);
}

}  // namespace

FormDefinition GravitationLawForm() {
    FormDefinition form;
    form.slug = "gravitation-law";
    form.field = Field::Mechanics;
    form.dialog = {215, 120, 240, DialogFont::Dialog9pt,
                   Concat({{Subtitle("")},
                           ResultArea("Tělesa se přitahují silou(N) ="),
                           {InputGroup(),
                            StandardCaption(0, "Hmotnost prvního tělesa m1(kg)"), MassOrDistanceList(107, 90),
                            StandardCaption(1, "Hmotnost druhého tělesa m2(kg)"), MassOrDistanceList(106, 125),
                            StandardCaption(2, "Vzdálenost těles r(metr)"), MassOrDistanceList(105, 160)},
                           ButtonRow(ButtonOrder::HelpOkStorno)})};
    form.title = "Newtonův gravitační zákon";
    form.inputs = {{107, 5}, {106, 7}, {105, 9}};
    // The opener stores the picture (2000) before it creates the form; Help shows what is stored.
    form.help = HelpAction::ShowStored;
    form.helpBitmapId = 2000;
    form.focusId = 107;
    form.focusAfterResult = false;
    form.lists = {{107, {std::begin(kMassItems), std::end(kMassItems)}},
                  {106, {std::begin(kMassItems), std::end(kMassItems)}},
                  {105, {std::begin(kDistanceItems), std::end(kDistanceItems)}}};
    form.behaviours = kListsLearnTexts;
    form.evaluate = EvaluateGravitationLaw;
    return form;
}

FormDefinition GravitationalAccelerationForm() {
    FormDefinition form;
    form.slug = "gravitational-acceleration";
    form.field = Field::Mechanics;
    form.dialog = {228, 120, 240, DialogFont::Dialog9pt,
                   Concat({{Subtitle("Gravitační zrychlení")}, ResultArea("Gravitační zrychlení Fg(m/s) ="),
                           {InputGroup()}, StandardInputRow(0, 107, "Hmotnost tělesa M(kg)"),
                           StandardInputRow(1, 106, "Vzdálenost od středu tělesa r(m)"),
                           ButtonRow(ButtonOrder::OkHelpStorno)})};
    // The painted title ends in a plain "i", unlike the subtitle.
    form.title = "Gravitační zrychleni";
    form.inputs = {{107, 5}, {106, 7}};
    form.help = HelpAction::ShowStored;
    form.helpBitmapId = 234;
    form.focusId = 107;
    form.evaluate = EvaluateGravitationalAcceleration;
    return form;
}

FormDefinition FreeFallForm() {
    FormDefinition form;
    form.slug = "free-fall";
    form.field = Field::Mechanics;
    form.dialog = ResistanceTemplate();
    form.title = "Volný pád";
    form.relabels = {{100, "Dráha s (m)"}, {101, "Gravit.zrychlení g (m/s)"}, {102, "Čas t (sekunda)"}, {118, ""}};
    form.inputs = {{107, 5}, {106, 7}};
    form.help = HelpAction::StorePicture;
    form.helpBitmapId = 2001;
    form.focusId = 107;
    form.evaluate = EvaluateFreeFall;
    return form;
}

}  // namespace kalvora
