// SPDX-License-Identifier: MIT
// Liquid mixing: the wanted value is the volume-weighted mean of the base liquid's value and the
// added liquid's value, whether the values are temperatures or per cent.
#include "calculators/mechanics/liquid_mixing.h"

#include <array>
#include <cstddef>

#include "calc/number_reader.h"
#include "calc/result_format.h"

namespace kalvora {
namespace {

// The form reads each edit into a holder of 260 characters, so at most 259 characters count.
constexpr std::size_t kHolderCharacters = 259;

constexpr std::string_view kEmptyFieldText = "Zadána neplatná hodnota";
constexpr std::array<std::string_view, 4> kEmptyFieldCaptions = {
    "Error - Zadání:Edit 1", "Error - Zadání:Edit 2", "Error - Zadání:Edit 3", "Error - Zadání:Edit 4"};

constexpr Message kCannotRaise{"Error", "Nelze zýšit koncentraci ředěním,\nnebo zvýšit teplotu chlazením",
                               MessageIcon::None, MessageOwner::None};
constexpr Message kCannotLower{"Error", "Nelze snížit koncentraci zahuštěním,\nnebo snížit teplotu zahříváním ",
                               MessageIcon::None, MessageOwner::None};
// The wanted value equal to the added liquid's would need an endless amount of it.
constexpr Message kIrrational{"Error - Zadání:Edit 4", "Zadána iracionální hodnota", MessageIcon::Exclamation,
                              MessageOwner::None};

// The first `count` characters of a UTF-8 text; a character is a code point, not a byte.
std::string_view FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == count) return text.substr(0, i);
    }
    return text;
}

// Inputs V0, T0, Tt, Ta (edits 1202, 1203, 1204, 1206) to the litres to add and the total.
Outcome EvaluateLiquidMixing(std::span<const std::string_view> texts) {
    std::array<double, 4> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string_view text = FirstCharacters(texts[i], kHolderCharacters);
        if (text.empty())
            return Outcome::Fail({kEmptyFieldCaptions[i], kEmptyFieldText, MessageIcon::Exclamation, MessageOwner::None});
        values[i] = ReadLeadingNumber(text);
    }
    const auto [baseVolume, baseValue, wanted, addedValue] = values;

    if (wanted > baseValue && wanted > addedValue) return Outcome::Fail(kCannotRaise);
    if (wanted < baseValue && wanted < addedValue) return Outcome::Fail(kCannotLower);
    if (wanted == addedValue) return Outcome::Fail(kIrrational);

    const double toAdded = wanted < addedValue ? addedValue - wanted : wanted - addedValue;
    const double toBase = wanted < baseValue ? baseValue - wanted : wanted - baseValue;
    const double ratio = toBase / toAdded;
    const double litresToAdd = ratio * baseVolume;
    const double total = baseVolume + litresToAdd;
    return Outcome::Results({FormatResult(litresToAdd, ResultFormat::Fixed2), FormatResult(total, ResultFormat::Fixed2)});
}

// Inputs: left-aligned text, no horizontal auto-scroll (typing stops at the field's width),
// the sunken client edge.
constexpr unsigned kInputFlags = kLeftAligned | kNoAutoScroll | kClientEdge;

DialogTemplate LiquidMixingTemplate() {
    return {1199, 290, 239, DialogFont::System,
            {
                {-1, ControlKind::GroupBox, "Výsledek", 138, 31, 81, 191, kFlat},
                {-1, ControlKind::Label, "Celkový objem roztoku:", 142, 117, 72, 20},
                {1205, ControlKind::ReadOnlyEdit, "", 148, 147, 60, 15, kClientEdge},
                {1200, ControlKind::ReadOnlyEdit, "", 147, 82, 60, 15, kClientEdge | kDialogFrame},
                {-1, ControlKind::SunkenLabel, "Množství přidaných litrů pro vznik roztoku určených vlastností:", 141,
                 42, 74, 35},
                {1201, ControlKind::GroupBox, "Zadání", 4, 31, 129, 191, kFlat},
                {1202, ControlKind::Edit, "", 40, 72, 60, 15, kInputFlags},
                {-1, ControlKind::Label, "Kolik litrů máme základní kapaliny", 16, 46, 111, 21},
                {-1, ControlKind::Label, "Jaká je její teplota, nebo kolik má procent", 16, 90, 111, 20},
                {1203, ControlKind::Edit, "", 40, 111, 60, 15, kInputFlags},
                {-1, ControlKind::Label, "Jak teplou, nebo kolika procentní kapalinu chcete získat", 16, 132, 111, 20},
                {1204, ControlKind::Edit, "", 40, 156, 60, 18, kInputFlags},
                {1206, ControlKind::Edit, "", 40, 201, 60, 18, kInputFlags},
                {-1, ControlKind::Label, "Jak teplá,nebo kolik má procent kapalina, kterou budeme přidávat", 16, 178,
                 111, 20},
                {1, ControlKind::PushButton, "OK", 40, 225, 60, 15},
                {2, ControlKind::PushButton, "Storono", 150, 225, 60, 15},
            }};
}

}  // namespace

FormDefinition LiquidMixingForm() {
    FormDefinition form;
    form.slug = "liquid-mixing";
    form.field = Field::GasesAndLiquids;
    form.dialog = LiquidMixingTemplate();
    form.title = "Roztoky kapalin";
    form.inputs = {{1202, 7}, {1203, 8}, {1204, 10}, {1206, 13}};
    form.resultIds = {1200, 1205};  // litres to add, total volume
    form.help = HelpAction::None;
    form.focusId = 1202;
    form.focusAfterResult = false;  // OK leaves the focus where it was
    form.behaviours = kWidensMainWindow;
    form.evaluate = EvaluateLiquidMixing;
    return form;
}

}  // namespace kalvora
