// SPDX-License-Identifier: MIT
// The frame values of the mechanics, optics, gases-and-liquids and antenna forms: what each
// form is in the catalogue, its inputs and results, its buttons, help, focus and opening texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/catalogue.h"
#include "tests/core/form_case.h"

namespace kalvora {
namespace {

TEST(MechanicsCatalogue, ListsTheFormsInPanelOrderWithTheirFields) {
    const auto& forms = MechanicsForms();
    EXPECT_EQ(Slugs(forms), (std::vector<std::string_view>{"gravitation-law", "gravitational-acceleration",
                                                            "free-fall", "lens-power", "aerodynamic-drag", "buoyancy",
                                                            "liquid-mixing"}));
    const std::vector<Field> fields{Field::Mechanics,       Field::Mechanics,       Field::Mechanics,
                                    Field::Optics,          Field::GasesAndLiquids, Field::GasesAndLiquids,
                                    Field::GasesAndLiquids};
    ASSERT_EQ(forms.size(), fields.size());
    for (std::size_t i = 0; i < forms.size(); ++i) EXPECT_EQ(forms[i].field, fields[i]) << forms[i].slug;
}

TEST(AntennaCatalogue, ListsTheDipoleThenTheCable) {
    EXPECT_EQ(Slugs(AntennaForms()), (std::vector<std::string_view>{"half-wave-dipole", "coax-cable-length"}));
    for (const FormDefinition& form : AntennaForms()) EXPECT_EQ(form.field, Field::Antenna) << form.slug;
}

// One row of the calculator table, with the inputs' captions as the form shows them.
struct FrameRow {
    std::string slug;
    int templateId;
    int cx, cy;
    DialogFont font;
    std::string title;
    std::vector<int> inputIds;
    std::vector<std::string> inputCaptions;
    std::vector<int> resultIds;
    int okId, cancelId;
    HelpAction help;
    int helpBitmapId;
    bool focusAfterResult;
    unsigned behaviours;
};

std::ostream& operator<<(std::ostream& out, const FrameRow& row) { return out << row.slug; }

class FrameTest : public testing::TestWithParam<FrameRow> {};

TEST_P(FrameTest, MatchesTheCalculatorTable) {
    const FrameRow& row = GetParam();
    const FormDefinition* form = FindForm(row.slug);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->dialog.id, row.templateId);
    EXPECT_EQ(form->dialog.cx, row.cx);
    EXPECT_EQ(form->dialog.cy, row.cy);
    EXPECT_EQ(form->dialog.font, row.font);
    EXPECT_EQ(form->title, row.title);
    EXPECT_EQ(form->titleY, 10);
    ASSERT_EQ(form->inputs.size(), row.inputIds.size());
    for (std::size_t i = 0; i < row.inputIds.size(); ++i) {
        EXPECT_EQ(form->inputs[i].controlId, row.inputIds[i]) << "input " << i;
        EXPECT_EQ(form->InputCaption(i), row.inputCaptions[i]) << "input " << i;
        const ControlDefinition* input = form->dialog.Find(row.inputIds[i]);
        ASSERT_NE(input, nullptr) << row.inputIds[i];
        EXPECT_TRUE(input->kind == ControlKind::Edit || input->kind == ControlKind::ComboBox) << row.inputIds[i];
    }
    EXPECT_EQ(form->resultIds, row.resultIds);
    for (int id : row.resultIds) {
        const ControlDefinition* result = form->dialog.Find(id);
        ASSERT_NE(result, nullptr) << id;
        EXPECT_TRUE(result->kind == ControlKind::ResultField || result->kind == ControlKind::ReadOnlyEdit) << id;
    }
    EXPECT_EQ(form->okId, row.okId);
    EXPECT_EQ(form->cancelId, row.cancelId);
    ASSERT_NE(form->dialog.Find(row.okId), nullptr);
    ASSERT_NE(form->dialog.Find(row.cancelId), nullptr);
    EXPECT_EQ(form->dialog.Find(row.okId)->text, "OK");
    EXPECT_EQ(form->help, row.help);
    EXPECT_EQ(form->helpBitmapId, row.helpBitmapId);
    // A Help button exists exactly where Help does something.
    EXPECT_EQ(form->dialog.Find(230) != nullptr, row.help != HelpAction::None);
    // The focus goes to the first input at opening in every one of these forms.
    EXPECT_EQ(form->focusId, row.inputIds.front());
    EXPECT_TRUE(form->focusAtOpen);
    EXPECT_EQ(form->focusAfterResult, row.focusAfterResult);
    EXPECT_EQ(form->behaviours, row.behaviours);
}

INSTANTIATE_TEST_SUITE_P(
    MechanicsAndAntenna, FrameTest,
    testing::Values(
        FrameRow{"gravitation-law", 215, 120, 240, DialogFont::Dialog9pt, "Newtonův gravitační zákon",
                 {107, 106, 105},
                 {"Hmotnost prvního tělesa m1(kg)", "Hmotnost druhého tělesa m2(kg)", "Vzdálenost těles r(metr)"},
                 {111}, 1, 2, HelpAction::ShowStored, 2000, false, kListsLearnTexts},
        FrameRow{"gravitational-acceleration", 228, 120, 240, DialogFont::Dialog9pt, "Gravitační zrychleni",
                 {107, 106}, {"Hmotnost tělesa M(kg)", "Vzdálenost od středu tělesa r(m)"},
                 {111}, 1, 2, HelpAction::ShowStored, 234, true, kNoBehaviour},
        FrameRow{"free-fall", 185, 365, 294, DialogFont::Dialog9pt, "Volný pád", {107, 106},
                 {"Gravit.zrychlení g (m/s)", "Čas t (sekunda)"}, {111}, 1, 2, HelpAction::StorePicture, 2001, true,
                 kNoBehaviour},
        FrameRow{"lens-power", 222, 365, 294, DialogFont::System, "Optická mohutnost čočky(dioptrie)",
                 {306, 300, 301, 302},
                 {"Index lomu materialu čočky", "Index lomu okolí", "Poloměr křivosti (r1)metr",
                  "Poloměr křivosti (r2)metr"},
                 {111}, 226, 227, HelpAction::StorePicture, 2009, true, kNoBehaviour},
        FrameRow{"aerodynamic-drag", 239, 365, 294, DialogFont::System, "Aerodynamiká odporová síla",
                 {306, 300, 301, 302},
                 {"Součinitel odporu C", "Hustota okolí ró(kg/m3)", "Obsah průřezu tělesa kolmého ke směru pohybu S(m2)",
                  "Rychlost tělesa v (m/s)"},
                 {111}, 1, 2, HelpAction::StorePicture, 2010, true, kNoBehaviour},
        FrameRow{"buoyancy", 245, 365, 294, DialogFont::System, "Archimédův zákon", {240, 241, 242, 243, 244},
                 {"Objem tělesa (m3)", "Hustota tělesa ró(kg/m3)", "Gravitační zrychlení (m/s)",
                  "Objem vytláčené kapaliny (m3)", "Hustota kapaliny ro (kg/m3)"},
                 {111, 250}, 1, 2, HelpAction::None, 0, true, kNoBehaviour},
        FrameRow{"liquid-mixing", 1199, 290, 239, DialogFont::System, "Roztoky kapalin", {1202, 1203, 1204, 1206},
                 {"Kolik litrů máme základní kapaliny", "Jaká je její teplota, nebo kolik má procent",
                  "Jak teplou, nebo kolika procentní kapalinu chcete získat",
                  "Jak teplá,nebo kolik má procent kapalina, kterou budeme přidávat"},
                 {1200, 1205}, 1, 2, HelpAction::None, 0, false, kWidensMainWindow},
        FrameRow{"half-wave-dipole", 253, 120, 240, DialogFont::Dialog9pt, "Půlvlnový dipól", {107},
                 {"Přijímaný kmitočet (MHz)"}, {111}, 1, 2, HelpAction::None, 0, true, kNoBehaviour},
        FrameRow{"coax-cable-length", 255, 120, 240, DialogFont::Dialog9pt, "Délka koaxiálního kabelu",
                 {107, 106, 105},
                 {"Přijímaná frekvence (MHz)", "Katalogový činitel zkrácení", "Jak dlouhý kabel má být?(m)"}, {111},
                 1, 2, HelpAction::StorePicture, 2011, false, kArticleLink}));

TEST(GravitationLawForm, OffersThePresetBodiesAndDistancesInTheirAddingOrder) {
    const FormDefinition* form = FindForm("gravitation-law");
    ASSERT_NE(form, nullptr);
    const std::vector<std::string_view> masses{"Země 6e24", "Měsíc 7.5e22", "Slunce 2e30"};
    ASSERT_EQ(form->lists.size(), 3u);
    EXPECT_EQ(form->lists[0].controlId, 107);
    EXPECT_EQ(form->lists[0].items, masses);
    EXPECT_EQ(form->lists[1].controlId, 106);
    EXPECT_EQ(form->lists[1].items, masses);
    EXPECT_EQ(form->lists[2].controlId, 105);
    EXPECT_EQ(form->lists[2].items, (std::vector<std::string_view>{"Země Měsíc 3.8e8", "Slunce Země 1.5e11"}));
    EXPECT_TRUE(form->presets.empty());
}

TEST(PresetTexts, FillTheNamedInputsWhenTheFormOpens) {
    struct Row {
        std::string slug;
        std::vector<std::pair<int, std::string>> presets;
    };
    const std::vector<Row> rows{
        {"lens-power", {{306, "sklo 1.5"}, {300, "vzduch 1"}}},
        {"aerodynamic-drag", {{306, "automobil 0.3"}, {300, "vzduch 1.3"}}},
        {"buoyancy", {{242, "9.81"}, {244, "voda 1000"}}},
    };
    for (const Row& row : rows) {
        const FormDefinition* form = FindForm(row.slug);
        ASSERT_NE(form, nullptr) << row.slug;
        ASSERT_EQ(form->presets.size(), row.presets.size()) << row.slug;
        for (std::size_t i = 0; i < row.presets.size(); ++i) {
            EXPECT_EQ(form->presets[i].controlId, row.presets[i].first) << row.slug;
            EXPECT_EQ(form->presets[i].text, row.presets[i].second) << row.slug;
            ASSERT_NE(form->dialog.Find(row.presets[i].first), nullptr) << row.slug;
        }
        EXPECT_TRUE(form->lists.empty()) << row.slug;
    }
}

TEST(FreeFallForm, RelabelsTheResistanceTemplateWhileTheResistanceFormKeepsItsTexts) {
    const FormDefinition* fall = FindForm("free-fall");
    const FormDefinition* resistance = FindForm("resistance");
    ASSERT_NE(fall, nullptr);
    ASSERT_NE(resistance, nullptr);
    const std::vector<std::pair<int, std::string_view>> fallTexts{
        {118, ""}, {100, "Dráha s (m)"}, {101, "Gravit.zrychlení g (m/s)"}, {102, "Čas t (sekunda)"}};
    const std::vector<std::pair<int, std::string_view>> resistanceTexts{
        {118, "Odpor"}, {100, "Odpor R (Ohm)="}, {101, "Napětí U (Volt)"}, {102, "Proud I (Amper)"}};
    for (std::size_t i = 0; i < fallTexts.size(); ++i) {
        const ControlDefinition* control = fall->dialog.Find(fallTexts[i].first);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(fall->InitialText(*control), fallTexts[i].second);
        EXPECT_EQ(resistance->InitialText(*resistance->dialog.Find(resistanceTexts[i].first)), resistanceTexts[i].second);
    }
    // The relabelling happens in the order 100, 101, 102, then 118 emptied.
    std::vector<int> order;
    for (const PresetText& relabel : fall->relabels) order.push_back(relabel.controlId);
    EXPECT_EQ(order, (std::vector<int>{100, 101, 102, 118}));
}

}  // namespace
}  // namespace kalvora
