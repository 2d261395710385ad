// SPDX-License-Identifier: MIT
// The dialog data of the electrical and thermal forms: catalogue order, the frame values each form
// differs in, and the shape their templates share.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "calc/catalogue.h"
#include "tests/core/form_case.h"

namespace kalvora {
namespace {

TEST(ElectricalAndThermalForms, AreListedInPanelOrder) {
    EXPECT_EQ(Slugs(ElectricalForms()),
              (std::vector<std::string_view>{"current", "resistance", "voltage", "capacitor-reactance",
                                             "coil-reactance", "transformer", "conductor-resistance",
                                             "voltage-drop", "fluorescent-for-bulb", "luminous-flux",
                                             "input-power", "active-power"}));
    EXPECT_EQ(Slugs(ThermalForms()), (std::vector<std::string_view>{"wall-thermal-resistance"}));
    for (const FormDefinition& form : ThermalForms()) EXPECT_EQ(form.field, Field::Thermal);
}

struct FormFacts {
    std::string slug;
    int templateId;
    std::string title;
    int titleY;
    int helpPicture;  // 0: the Help button does nothing
    int focusId;      // 0: the form never sets the focus
    bool focusAtOpen;
    bool focusAfterResult;
    std::string resultCaption;
    std::vector<std::string> captions;  // of the inputs, in reading order
};

void PrintTo(const FormFacts& facts, std::ostream* out) {
    *out << facts.slug;
}

class FormFactsTest : public testing::TestWithParam<FormFacts> {};

TEST_P(FormFactsTest, MatchTheForm) {
    const FormFacts& facts = GetParam();
    const FormDefinition* form = FindForm(facts.slug);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->dialog.id, facts.templateId);
    EXPECT_EQ(form->title, facts.title);
    EXPECT_EQ(form->titleY, facts.titleY);
    EXPECT_EQ(form->help, facts.helpPicture ? HelpAction::StorePicture : HelpAction::None);
    EXPECT_EQ(form->helpBitmapId, facts.helpPicture);
    EXPECT_EQ(form->focusId, facts.focusId);
    EXPECT_EQ(form->focusAtOpen, facts.focusAtOpen);
    EXPECT_EQ(form->focusAfterResult, facts.focusAfterResult);
    EXPECT_EQ(form->resultIds, std::vector<int>{111});
    // The result caption is the 100 just above the result field (the reactance forms have a note 100 too).
    const auto result = std::find_if(form->dialog.controls.begin(), form->dialog.controls.end(),
                                     [](const ControlDefinition& c) { return c.id == 111; });
    ASSERT_NE(result, form->dialog.controls.begin());
    EXPECT_EQ(result->kind, ControlKind::ResultField);
    EXPECT_EQ(std::prev(result)->text, facts.resultCaption);
    ASSERT_EQ(form->inputs.size(), facts.captions.size());
    for (std::size_t i = 0; i < facts.captions.size(); ++i)
        EXPECT_EQ(form->InputCaption(i), facts.captions[i]);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    ElectricalAndThermal, FormFactsTest,
    testing::Values(
        FormFacts{"capacitor-reactance", 188, "Kondenzátor v obvodě střídavého proudu", 45, 2006, 107, true, false,
                  "Kapacitní odpor kondenzátoru Xc v ohmech =", {"Frekvence f  (Hertz)", "Kapacita kondenzátoru C (Farad)"}},
        FormFacts{"coil-reactance", 189, "Cívka v obvodě střídavého proudu", 45, 2005, 107, true, false,
                  "Induktivní odpor cívky XL v ohmech =", {"Frekvence f  (Hertz)", "Indukčnost cívky L (Henry)"}},
        FormFacts{"transformer", 190, "Transformátor", 10, 2007, 107, true, false, "Sekundární napětí U2 =",
                  {"Počet závitů prim.vinutí N1", "Počet závitů sec.vinutí N2", "Primární napětí U1"}},
        FormFacts{"conductor-resistance", 191, "Odpor vodiče", 10, 2008, 107, true, false, "Odpor vodiče =",
                  {"Měrný odpor materialu ró", "Průřez vodiče v mm čtverečních S", "Délka vodiče v metrech l"}},
        FormFacts{"voltage-drop", 197, "Úbytek napětí vlivem odp.vodiče", 10, 2012, 0, false, false,
                  "Úbytek napětí delta U (volt) =", {"Proud obvodu spotřebiče (amper)", "Odpor vodiče (ohm)"}},
        FormFacts{"fluorescent-for-bulb", 192, "Zářivka za žárovku", 10, 2013, 0, false, false,
                  "Příkon zářivky,která jí nahradí =", {"Příkon žárovky ve wattech"}},
        FormFacts{"luminous-flux", 193, "Světelný tok", 10, 2014, 107, true, false, "Světelný tok v lumenech =",
                  {"Světelný tok na watt příkonu", "Příkon spotřebiče ve wattech"}},
        FormFacts{"input-power", 194, "Příkon spotřebiče", 10, 2015, 107, true, true, "Příkon spotřebiče (watt) =",
                  {"Proud obvodu spotřebiče (amper)", "Napětí obvodu (volt)"}},
        FormFacts{"active-power", 195, "Činný výkon spotř.s induk.odporem", 10, 2016, 204, false, false,
                  "Činný výkon spotřebiče (watt) =", {"Účiník spotřebiče cos(fí)", "Proud (amper)", "Napětí (volt)"}},
        FormFacts{"wall-thermal-resistance", 208, "Tepelný odpor stěny", 10, 2017, 208, true, false,
                  "Tepelný odpor R stěny =", {"Tloušťka vrstvy v metrech", "Součinitel tep.vodivosti LAMBDA"}}));
// clang-format on

TEST(ElectricalAndThermalForms, HaveTheFramesShape) {
    std::vector<const FormDefinition*> forms;
    for (const FormDefinition& form : ElectricalForms()) forms.push_back(&form);
    for (const FormDefinition& form : ThermalForms()) forms.push_back(&form);
    for (const FormDefinition* form : forms) {
        SCOPED_TRACE(std::string(form->slug));
        const auto& controls = form->dialog.controls;
        // Every combo box is filled from a preset list when the form opens.
        for (const ControlDefinition& control : controls) {
            if (control.kind != ControlKind::ComboBox) continue;
            const auto list = std::find_if(form->lists.begin(), form->lists.end(),
                                           [&](const PresetList& l) { return l.controlId == control.id; });
            EXPECT_TRUE(list != form->lists.end() && !list->items.empty()) << control.id;
        }
        // The buttons close every template: Help, OK, Storno, but OK first in template 175.
        ASSERT_GE(controls.size(), 3u);
        EXPECT_EQ((std::vector<int>{controls[controls.size() - 3].id, controls[controls.size() - 2].id,
                                    controls.back().id}),
                  form->dialog.id == 175 ? (std::vector<int>{1, 230, 2}) : (std::vector<int>{230, 1, 2}));
        // The reactance forms carry their note where the others have the subtitle 118.
        EXPECT_EQ(form->dialog.Find(118) == nullptr, form->titleY == 45);
    }
}

}  // namespace
}  // namespace kalvora
