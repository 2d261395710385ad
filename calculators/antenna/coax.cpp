// SPDX-License-Identifier: MIT
// Coaxial cable length in whole electrical half-waves.
#include "calculators/antenna/coax.h"

#include <cmath>

#include "calc/standard_evaluation.h"
#include "calc/standard_layout.h"
#include "calculators/antenna/wavelength.h"

namespace kalvora {
namespace {

// Inputs f (MHz), the cable's shortening factor v and the wanted length w. The half-wave in the
// cable is h = 3e8 / (f * 1e6) / 2 * v; the cable is ceil(w / h) half-waves long, and never
// shorter than one half-wave (ceil gives 0 or less for a wanted length below one).
double CableLength(std::span<const double> v) {
    const double halfWave = FreeSpaceHalfWave(v[0]) * v[1];
    const double halfWaves = std::ceil(v[2] / halfWave);
    double length = halfWave * halfWaves;
    if (halfWave > length) length = halfWave;
    return length;
}

Outcome EvaluateCoaxCableLength(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, CableLength, ResultFormat::Fixed4);
}

DialogTemplate CoaxTemplate() {
    auto buttons = ButtonRow(ButtonOrder::HelpOkStorno);
    // The link label sits below the buttons but comes between Help and OK in the template.
    buttons.insert(buttons.begin() + 1,
                   {256, ControlKind::LinkLabel, "Dovanové stránky o PMR a CB", 15, 213, 157, 14});
    return {255, 120, 240, DialogFont::Dialog9pt,
            Concat({{Subtitle("KABEL")}, ResultArea("Délka kabelu(od stínění po stínění)(m) ="), {InputGroup()},
                    StandardInputRow(0, 107, "Přijímaná frekvence (MHz)"),
                    StandardInputRow(1, 106, "Katalogový činitel zkrácení"),
                    StandardInputRow(2, 105, "Jak dlouhý kabel má být?(m)"), buttons})};
}

}  // namespace

FormDefinition CoaxCableLengthForm() {
    FormDefinition form;
    form.slug = "coax-cable-length";
    form.field = Field::Antenna;
    form.dialog = CoaxTemplate();
    form.title = "Délka koaxiálního kabelu";
    form.inputs = {{107, 5}, {106, 7}, {105, 9}};
    form.help = HelpAction::StorePicture;
    form.helpBitmapId = 2011;
    form.focusId = 107;
    form.focusAfterResult = false;
    form.behaviours = kArticleLink;
    form.evaluate = EvaluateCoaxCableLength;
    return form;
}

}  // namespace kalvora
