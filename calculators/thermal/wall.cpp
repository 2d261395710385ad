// SPDX-License-Identifier: MIT
// Thermal resistance of a wall layer from its thickness and its material's conductivity.
#include "calculators/thermal/wall.h"

#include "calc/number_reader.h"
#include "calc/result_format.h"
#include "calc/standard_layout.h"

namespace kalvora {
namespace {

const Message& NoDigitMessage() {
    static const Message noDigit{"chyba", "Text neobsahuje číslici", MessageIcon::None, MessageOwner::Form};
    return noDigit;
}

// Inputs in reading order: thickness d, then conductivity λ. Both are read from their first digit
// (or the '.' or ',' right before it) on, so signs are lost; only a text without any digit is
// refused (the thickness first). Zero passes: λ = 0 gives an infinite (or, with d = 0,
// not-a-number) resistance, shown as such.
Outcome EvaluateWall(std::span<const std::string_view> texts) {
    const std::optional<double> thickness = ReadNumberAtFirstDigit(texts[0]);
    if (!thickness) return Outcome::Fail(NoDigitMessage());
    const std::optional<double> conductivity = ReadNumberAtFirstDigit(texts[1]);
    if (!conductivity) return Outcome::Fail(NoDigitMessage());
    return Outcome::Results({FormatResult(*thickness / *conductivity, ResultFormat::Fixed6)});
}

}  // namespace

const std::vector<std::string_view>& WallMaterials() {
    static const std::vector<std::string_view> items{
        "Beton hutný 1.30",
        "Cihly pálené 0.86",
        "Beton železový 1.73",
        "Malta vápenocementová 0.97",
        "Dřevo měkké 0.17",
        "Polystyren pěnový 0.043",
        "Polystyren extrudovaný 0.035",
        "Desky z minerálních vláken 0.045",
        "Keramzit sypký 0.16",
        "Škvára sypká 0.27",
        "Hlína suchá 0.14",
        "Děrovaní cihly Cdm 0.69",
        "Pórobetonové tvárnice 0.28",
        "Cihelné bloky CD TÝN 0.35",
        "Cihelné bloky CD IVA 0.41",
        "YTONG,HEBEL 0.17",
        "Bloky Therm 0.17",
        "Stropnice Hurdis 0.60",
        "Stropnice Miako 0.83",
        "Stropnice z B panelů 1.28",
    };
    return items;
}

FormDefinition WallThermalResistanceForm() {
    // The material combo is wide, sorted, scrollable and a tab stop; typing stops at its width.
    constexpr unsigned kMaterialFlags = kTabStop | kSorted | kVerticalScroll | kNoAutoScroll;
    const ControlDefinition material{208, ControlKind::ComboBox, "", 25, 90, 138, 84, kMaterialFlags};
    FormDefinition form;
    form.slug = "wall-thermal-resistance";
    form.field = Field::Thermal;
    form.dialog = {208, 120, 240, DialogFont::Dialog9pt,
                   Concat({{Subtitle("Tepelný odpor stěny")},
                           ResultArea("Tepelný odpor R stěny ="),
                           {InputGroup()},
                           {StandardCaption(0, "Součinitel tep.vodivosti LAMBDA"), material},
                           StandardInputRow(1, 207, "Tloušťka vrstvy v metrech"),
                           ButtonRow(ButtonOrder::HelpOkStorno)})};
    form.title = "Tepelný odpor stěny";
    // Read on OK in this order: the thickness below and then the material above it.
    form.inputs = {{207, 7}, {208, 5}};
    form.help = HelpAction::StorePicture;  // the topic's formula picture
    form.helpBitmapId = 2017;
    form.focusId = 208;
    form.focusAtOpen = true;
    form.focusAfterResult = false;
    form.lists = {{208, WallMaterials()}};
    form.evaluate = EvaluateWall;
    return form;
}

}  // namespace kalvora
