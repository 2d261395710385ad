// SPDX-License-Identifier: MIT
// Lighting: the fluorescent lamp for a bulb, and the luminous flux of a lamp type.
#include "calculators/electrical/lighting.h"

#include "calc/result_format.h"
#include "calc/standard_evaluation.h"
#include "calc/standard_layout.h"

namespace kalvora {
namespace {

// The fluorescent power is the bulb power divided by a factor that grows linearly with it,
// by one law up to 100 W and by another above; the laws are fitted only up to 200 W.
struct FluorescentLaw {
    double offset;
    double slope;
    double base;
};
constexpr FluorescentLaw kUpTo100W{24.9, 0.0163, 3.13};
constexpr FluorescentLaw kAbove100W{99.9, 0.0065, 4.35};
constexpr double kLawSplit = 100.0;
constexpr double kBulbPowerLimit = 200.0;

const Message& BulbPowerLimitMessage() {
    static const Message limit{"Chyba", "Počítá jen do příkonu 200 Watt ", MessageIcon::None,
                               MessageOwner::Form};
    return limit;
}

// P / ((P − a) · b + c): subtract, multiply, add, then divide.
double FluorescentPower(double bulb) {
    const FluorescentLaw& law = bulb > kLawSplit ? kAbove100W : kUpTo100W;
    double factor = bulb - law.offset;
    factor = factor * law.slope;
    factor = factor + law.base;
    return bulb / factor;
}

Outcome EvaluateFluorescent(std::span<const std::string_view> texts) {
    const auto numbers = ReadNonZeroInputs(texts);
    if (!numbers) return Outcome::Fail(InputError());
    const double bulb = (*numbers)[0];
    if (bulb > kBulbPowerLimit) return Outcome::Fail(BulbPowerLimitMessage());
    return Outcome::Results({FormatResult(FluorescentPower(bulb), ResultFormat::Fixed2)});
}

double LuminousFlux(std::span<const double> v) {
    return v[0] * v[1];
}

Outcome EvaluateLuminousFlux(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, LuminousFlux, ResultFormat::Fixed2);
}

}  // namespace

const std::vector<std::string_view>& LampTypes() {
    static const std::vector<std::string_view> items{
        "Žárovka čirá 9 ",
        "Žárovka halogen 15 ",
        "Zářivka kompaktní 53 ",
        "Zářivka linearní 65 ",
    };
    return items;
}

FormDefinition FluorescentForBulbForm() {
    // The one input, edit 107, stands where the other forms have their second row.
    FormDefinition form;
    form.slug = "fluorescent-for-bulb";
    form.field = Field::Electrical;
    form.dialog = {192, 120, 240, DialogFont::Dialog9pt,
                   Concat({{Subtitle("Výměna zářivky za žárovku")},
                           ResultArea("Příkon zářivky,která jí nahradí ="),
                           {InputGroup()},
                           StandardInputRow(1, 107, "Příkon žárovky ve wattech"),
                           ButtonRow(ButtonOrder::HelpOkStorno)})};
    form.title = "Zářivka za žárovku";
    form.inputs = {{107, 5}};
    form.help = HelpAction::StorePicture;  // the topic's formula picture
    form.helpBitmapId = 2013;
    form.focusId = 0;  // the form never sets the focus
    form.focusAtOpen = false;
    form.focusAfterResult = false;
    form.evaluate = EvaluateFluorescent;
    return form;
}

FormDefinition LuminousFluxForm() {
    // Tab passes over the lamp combo, and typing stops at the width of its field.
    const ControlDefinition lamp{107, ControlKind::ComboBox, "", 68, 90, 74, 84, kNoAutoScroll};
    FormDefinition form;
    form.slug = "luminous-flux";
    form.field = Field::Electrical;
    form.dialog = {193, 120, 240, DialogFont::Dialog9pt,
                   Concat({{Subtitle("Světelný tok")},
                           ResultArea("Světelný tok v lumenech ="),
                           {InputGroup()},
                           {StandardCaption(0, "Světelný tok na watt příkonu"), lamp},
                           StandardInputRow(1, 106, "Příkon spotřebiče ve wattech"),
                           ButtonRow(ButtonOrder::HelpOkStorno)})};
    form.title = "Světelný tok";
    form.inputs = {{107, 5}, {106, 7}};
    form.help = HelpAction::StorePicture;  // the topic's formula picture
    form.helpBitmapId = 2014;
    form.focusId = 107;
    form.focusAtOpen = true;
    form.focusAfterResult = false;
    form.lists = {{107, LampTypes()}};
    form.evaluate = EvaluateLuminousFlux;
    return form;
}

}  // namespace kalvora
