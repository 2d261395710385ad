// SPDX-License-Identifier: MIT
// Capacitor and coil reactance in an AC circuit, and the ideal transformer.
#include "calculators/electrical/reactance.h"

#include <utility>

#include "calc/standard_evaluation.h"
#include "calc/standard_layout.h"

namespace kalvora {
namespace {

// The forms take 2π as 6.28 (the double nearest to it), as their help pictures write it.
constexpr double kTwoPi = 6.28;

// Xc = 1 / ((6.28 · f) · C)
double CapacitorReactance(std::span<const double> v) {
    double t = kTwoPi * v[0];
    t = t * v[1];
    return 1.0 / t;
}

// XL = (6.28 · f) · L
double CoilReactance(std::span<const double> v) {
    const double t = kTwoPi * v[0];
    return t * v[1];
}

// U2 = (N2 · U1) / N1
double SecondaryVoltage(std::span<const double> v) {
    const double t = v[1] * v[2];
    return t / v[0];
}

Outcome EvaluateCapacitor(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, CapacitorReactance, ResultFormat::Fixed5);
}
Outcome EvaluateCoil(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, CoilReactance, ResultFormat::Fixed5);
}
Outcome EvaluateTransformer(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, SecondaryVoltage, ResultFormat::Fixed0);
}

// The reactance templates carry a one-line note (control 100 at the top) where the others have
// the subtitle 118; their title is painted lower, under the note.
DialogTemplate ReactanceTemplate(int id, std::string_view note, std::string_view resultCaption,
                                 std::string_view secondCaption) {
    return {id, 120, 240, DialogFont::Dialog9pt,
            Concat({{{100, ControlKind::Label, note, 15, 7, 157, 8}},
                    ResultArea(resultCaption),
                    {InputGroup()},
                    StandardInputRow(0, 107, "Frekvence f  (Hertz)"),
                    StandardInputRow(1, 106, secondCaption),
                    ButtonRow(ButtonOrder::HelpOkStorno)})};
}

// Focus on the frequency at opening, not after a result.
FormDefinition ReactanceForm(std::string_view slug, DialogTemplate dialog, std::string_view title, int helpBitmapId,
                       EvaluateFunction evaluate) {
    FormDefinition form;
    form.slug = slug;
    form.field = Field::Electrical;
    form.dialog = std::move(dialog);
    form.title = title;
    form.titleY = 45;
    form.inputs = {{107, 5}, {106, 7}};
    form.help = HelpAction::StorePicture;
    form.helpBitmapId = helpBitmapId;
    form.focusId = 107;
    form.focusAtOpen = true;
    form.focusAfterResult = false;
    form.evaluate = evaluate;
    return form;
}

}  // namespace

FormDefinition CapacitorReactanceForm() {
    return ReactanceForm(
        "capacitor-reactance",
        ReactanceTemplate(188, "Stejnosměrný proud kondenzatorem neproteká.",
                          "Kapacitní odpor kondenzátoru Xc v ohmech =", "Kapacita kondenzátoru C (Farad)"),
        "Kondenzátor v obvodě střídavého proudu", 2006, EvaluateCapacitor);
}

FormDefinition CoilReactanceForm() {
    return ReactanceForm(
        "coil-reactance",
        ReactanceTemplate(189, "Cívka stejnosměr.proudu neklade odpor.",
                          "Induktivní odpor cívky XL v ohmech =", "Indukčnost cívky L (Henry)"),
        "Cívka v obvodě střídavého proudu", 2005, EvaluateCoil);
}

FormDefinition TransformerForm() {
    FormDefinition form;
    form.slug = "transformer";
    form.field = Field::Electrical;
    form.dialog = {190, 120, 240, DialogFont::Dialog9pt,
                   Concat({{Subtitle("Transformátor")},
                           ResultArea("Sekundární napětí U2 ="),
                           {InputGroup()},
                           StandardInputRow(0, 107, "Počet závitů prim.vinutí N1"),
                           StandardInputRow(1, 106, "Počet závitů sec.vinutí N2"),
                           StandardInputRow(2, 105, "Primární napětí U1"),
                           ButtonRow(ButtonOrder::HelpOkStorno)})};
    form.title = "Transformátor";
    form.inputs = {{107, 5}, {106, 7}, {105, 9}};
    form.help = HelpAction::StorePicture;
    form.helpBitmapId = 2007;
    form.focusId = 107;
    form.focusAtOpen = true;
    form.focusAfterResult = false;
    form.evaluate = EvaluateTransformer;
    return form;
}

}  // namespace kalvora
