// SPDX-License-Identifier: MIT
// Ohm's law solved for current, resistance and voltage.
#include "calculators/electrical/ohms_law.h"

#include "calc/standard_evaluation.h"
#include "calc/standard_layout.h"

namespace kalvora {
namespace {

struct OhmsLawTexts {
    std::string_view subtitle;
    std::string_view resultCaption;
    std::string_view firstCaption;
    std::string_view secondCaption;
};

DialogTemplate OhmsLawTemplate(int id, int cx, int cy, const OhmsLawTexts& texts, ButtonOrder order) {
    return {id, cx, cy, DialogFont::Dialog9pt,
            Concat({{Subtitle(texts.subtitle)}, ResultArea(texts.resultCaption), {InputGroup()},
                    StandardInputRow(0, 107, texts.firstCaption), StandardInputRow(1, 106, texts.secondCaption),
                    ButtonRow(order)})};
}

// Two inputs, both non-zero, "%.5f", focus on the first input at opening and after a result.
FormDefinition OhmsLawForm(std::string_view slug, DialogTemplate dialog, std::string_view title, int helpBitmapId,
                     EvaluateFunction evaluate) {
    FormDefinition form;
    form.slug = slug;
    form.field = Field::Electrical;
    form.dialog = std::move(dialog);
    form.title = title;
    form.inputs = {{107, 5}, {106, 7}};
    form.help = HelpAction::StorePicture;
    form.helpBitmapId = helpBitmapId;
    form.focusId = 107;
    form.evaluate = evaluate;
    return form;
}

double Quotient(std::span<const double> v) { return v[0] / v[1]; }
double Product(std::span<const double> v) { return v[0] * v[1]; }

Outcome EvaluateQuotient(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, Quotient, ResultFormat::Fixed5);
}
Outcome EvaluateProduct(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, Product, ResultFormat::Fixed5);
}

}  // namespace

DialogTemplate ResistanceTemplate() {
    return OhmsLawTemplate(185, 365, 294, {"Odpor", "Odpor R (Ohm)=", "Napětí U (Volt)", "Proud I (Amper)"},
                           ButtonOrder::HelpOkStorno);
}

FormDefinition CurrentForm() {
    return OhmsLawForm("current",
                       OhmsLawTemplate(175, 120, 240,
                                       {"Proud", "Proud I (Amper) =", "Napětí U (Volt)", "Odpor R (Ohm)"},
                                       ButtonOrder::OkHelpStorno),
                       "Proud", 2002, EvaluateQuotient);
}

FormDefinition ResistanceForm() {
    return OhmsLawForm("resistance", ResistanceTemplate(), "Odpor", 2004, EvaluateQuotient);
}

FormDefinition VoltageForm() {
    return OhmsLawForm("voltage",
                       OhmsLawTemplate(187, 120, 240,
                                       {"Napětí", "Napětí U (Volt) =", "Proud I (Amper)", "Odpor R (Ohm)"},
                                       ButtonOrder::HelpOkStorno),
                       "Napětí", 2003, EvaluateProduct);
}

}  // namespace kalvora
