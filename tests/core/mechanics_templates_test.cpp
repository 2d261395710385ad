// SPDX-License-Identifier: MIT
// The dialog templates of the mechanics, optics, gases-and-liquids and antenna forms, control by
// control in template (tab) order: id, kind, text, position, size and style details.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/catalogue.h"

namespace kalvora {
namespace {

using K = ControlKind;

constexpr unsigned kCombo = kSorted | kTabStop | kVerticalScroll | kNoAutoScroll;
constexpr unsigned kMixInput = kLeftAligned | kNoAutoScroll | kClientEdge;

struct TemplateRow {
    std::string slug;
    std::vector<ControlDefinition> controls;
};

std::ostream& operator<<(std::ostream& out, const TemplateRow& row) { return out << row.slug; }

class TemplateTest : public testing::TestWithParam<TemplateRow> {};

TEST_P(TemplateTest, ListsEveryControlInTemplateOrder) {
    const TemplateRow& row = GetParam();
    const FormDefinition* form = FindForm(row.slug);
    ASSERT_NE(form, nullptr);
    const auto& actual = form->dialog.controls;
    ASSERT_EQ(actual.size(), row.controls.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        const ControlDefinition& a = actual[i];
        const ControlDefinition& e = row.controls[i];
        SCOPED_TRACE("control " + std::to_string(i) + " id " + std::to_string(e.id));
        EXPECT_EQ(a.id, e.id);
        EXPECT_EQ(a.kind, e.kind);
        EXPECT_EQ(a.text, e.text);
        EXPECT_EQ(a.x, e.x);
        EXPECT_EQ(a.y, e.y);
        EXPECT_EQ(a.cx, e.cx);
        EXPECT_EQ(a.cy, e.cy);
        EXPECT_EQ(a.flags, e.flags);
    }
}

INSTANTIATE_TEST_SUITE_P(
    MechanicsAndAntenna, TemplateTest,
    testing::Values(
        TemplateRow{"gravitation-law",
                    {{118, K::CentredLabel, "", 15, 25, 157, 24},
                     {116, K::GroupBox, "Výsledek", 10, 33, 167, 35},
                     {100, K::Label, "Tělesa se přitahují silou(N) =", 15, 43, 157, 8},
                     {111, K::ResultField, "0.00", 68, 53, 54, 12},
                     {116, K::GroupBox, "Zadání", 10, 73, 167, 115},
                     {101, K::Label, "Hmotnost prvního tělesa m1(kg)", 15, 80, 157, 12},
                     {107, K::ComboBox, "", 48, 90, 84, 60, kCombo},
                     {102, K::Label, "Hmotnost druhého tělesa m2(kg)", 15, 115, 157, 8},
                     {106, K::ComboBox, "", 48, 125, 84, 60, kCombo},
                     {-1, K::Label, "Vzdálenost těles r(metr)", 15, 150, 157, 8},
                     {105, K::ComboBox, "", 48, 160, 84, 60, kCombo},
                     {230, K::PushButton, "Help", 68, 193, 50, 14},
                     {1, K::DefaultPushButton, "OK", 10, 193, 50, 14},
                     {2, K::PushButton, "Storno", 126, 193, 50, 14}}},
        TemplateRow{"gravitational-acceleration",
                    {{118, K::CentredLabel, "Gravitační zrychlení", 15, 25, 157, 24},
                     {116, K::GroupBox, "Výsledek", 10, 33, 167, 35},
                     {100, K::Label, "Gravitační zrychlení Fg(m/s) =", 15, 43, 157, 8},
                     {111, K::ResultField, "0.00", 68, 53, 54, 12},
                     {116, K::GroupBox, "Zadání", 10, 73, 167, 115},
                     {101, K::Label, "Hmotnost tělesa M(kg)", 15, 80, 157, 12},
                     {107, K::Edit, "", 68, 90, 54, 12},
                     {102, K::Label, "Vzdálenost od středu tělesa r(m)", 15, 115, 157, 8},
                     {106, K::Edit, "", 68, 125, 54, 12},
                     {1, K::DefaultPushButton, "OK", 10, 193, 50, 14},
                     {230, K::PushButton, "Help", 68, 193, 50, 14},
                     {2, K::PushButton, "Storno", 126, 193, 50, 14}}},
        TemplateRow{"lens-power",
                    {{118, K::CentredLabel, "U spojek kladná, u rozptylek záporná hodnota", 15, 25, 153, 11},
                     {116, K::GroupBox, "Výsledek", 10, 33, 170, 35},
                     {100, K::Label, "Optická mohutnost =", 18, 48, 60, 9},
                     {111, K::ResultField, "0.00", 120, 46, 54, 12},
                     {116, K::GroupBox, "Zadání", 10, 73, 170, 116},
                     {101, K::Label, "Index lomu materialu čočky", 18, 81, 96, 12},
                     {226, K::DefaultPushButton, "OK", 10, 193, 50, 14},
                     {230, K::PushButton, "Help", 68, 193, 50, 14},
                     {227, K::PushButton, "Storno", 126, 193, 50, 14},
                     {306, K::Edit, "", 121, 81, 54, 12, kClientEdge},
                     {300, K::Edit, "", 121, 102, 54, 12, kClientEdge},
                     {301, K::Edit, "", 121, 126, 54, 12, kClientEdge},
                     {302, K::Edit, "", 121, 150, 54, 12, kClientEdge},
                     {303, K::Label, "Index lomu okolí", 18, 102, 96, 12},
                     {304, K::Label, "Poloměr křivosti (r1)metr", 18, 126, 96, 12},
                     {305, K::Label, "Poloměr křivosti (r2)metr", 18, 151, 96, 12}}},
        TemplateRow{"aerodynamic-drag",
                    {{118, K::CentredLabel, "", 15, 25, 153, 11},
                     {116, K::GroupBox, "Výsledek", 10, 33, 170, 35},
                     {100, K::Label, "Aerodynamická odporová síla (N) =", 18, 42, 70, 22},
                     {111, K::ResultField, "0.00", 120, 46, 54, 12},
                     {116, K::GroupBox, "Zadání", 10, 73, 170, 116},
                     {101, K::Label, "Součinitel odporu C", 18, 81, 96, 12},
                     {1, K::DefaultPushButton, "OK", 10, 193, 50, 14},
                     {230, K::PushButton, "Help", 68, 193, 50, 14},
                     {2, K::PushButton, "Storno", 126, 193, 50, 14},
                     {306, K::Edit, "", 121, 81, 54, 12, kClientEdge},
                     {300, K::Edit, "", 121, 102, 54, 12, kClientEdge},
                     {301, K::Edit, "", 121, 126, 54, 12, kClientEdge},
                     {302, K::Edit, "", 121, 150, 54, 12, kClientEdge},
                     {303, K::Label, "Hustota okolí ró(kg/m3)", 18, 102, 96, 12},
                     {304, K::Label, "Obsah průřezu tělesa kolmého ke směru pohybu S(m2)", 18, 120, 96, 24},
                     {305, K::Label, "Rychlost tělesa v (m/s)", 18, 151, 96, 12}}},
        TemplateRow{"buoyancy",
                    {{118, K::CentredLabel, "", 15, 25, 153, 11},
                     {116, K::GroupBox, "Výsledek", 10, 20, 170, 50},
                     {100, K::Label, "Vztlaková síla (N) =", 18, 30, 70, 22},
                     {111, K::ResultField, "0.00", 120, 30, 54, 12},
                     {249, K::Label, "Zdánlivá tíha nadnášeného tělesa(kg) =", 18, 46, 90, 22},
                     {250, K::ResultField, "0.00", 120, 50, 54, 12},
                     {116, K::GroupBox, "Zadání", 10, 73, 170, 116},
                     {101, K::Label, "Objem tělesa (m3)", 18, 81, 96, 12},
                     {1, K::DefaultPushButton, "OK", 10, 220, 51, 15},
                     {2, K::PushButton, "Storno", 126, 220, 51, 15},
                     {240, K::Edit, "", 121, 81, 54, 12, kClientEdge},
                     {241, K::Edit, "", 121, 102, 54, 12, kClientEdge},
                     {242, K::Edit, "", 121, 126, 54, 12, kClientEdge},
                     {243, K::Edit, "", 121, 150, 54, 12, kClientEdge},
                     {303, K::Label, "Hustota tělesa ró(kg/m3)", 18, 102, 96, 12},
                     {304, K::Label, "Gravitační zrychlení (m/s)", 18, 126, 96, 12},
                     {305, K::Label, "Objem vytláčené kapaliny (m3)", 18, 151, 96, 20},
                     {244, K::Edit, "", 121, 174, 54, 12, kClientEdge},
                     {247, K::Label, "Hustota kapaliny ro (kg/m3)", 18, 174, 96, 12}}},
        TemplateRow{"liquid-mixing",
                    {{-1, K::GroupBox, "Výsledek", 138, 31, 81, 191, kFlat},
                     {-1, K::Label, "Celkový objem roztoku:", 142, 117, 72, 20},
                     {1205, K::ReadOnlyEdit, "", 148, 147, 60, 15, kClientEdge},
                     {1200, K::ReadOnlyEdit, "", 147, 82, 60, 15, kClientEdge | kDialogFrame},
                     {-1, K::SunkenLabel, "Množství přidaných litrů pro vznik roztoku určených vlastností:", 141, 42, 74,
                      35},
                     {1201, K::GroupBox, "Zadání", 4, 31, 129, 191, kFlat},
                     {1202, K::Edit, "", 40, 72, 60, 15, kMixInput},
                     {-1, K::Label, "Kolik litrů máme základní kapaliny", 16, 46, 111, 21},
                     {-1, K::Label, "Jaká je její teplota, nebo kolik má procent", 16, 90, 111, 20},
                     {1203, K::Edit, "", 40, 111, 60, 15, kMixInput},
                     {-1, K::Label, "Jak teplou, nebo kolika procentní kapalinu chcete získat", 16, 132, 111, 20},
                     {1204, K::Edit, "", 40, 156, 60, 18, kMixInput},
                     {1206, K::Edit, "", 40, 201, 60, 18, kMixInput},
                     {-1, K::Label, "Jak teplá,nebo kolik má procent kapalina, kterou budeme přidávat", 16, 178, 111,
                      20},
                     {1, K::PushButton, "OK", 40, 225, 60, 15},
                     {2, K::PushButton, "Storono", 150, 225, 60, 15}}},
        TemplateRow{"half-wave-dipole",
                    {{118, K::CentredLabel, "", 15, 25, 157, 24},
                     {116, K::GroupBox, "Výsledek", 10, 33, 167, 35},
                     {100, K::Label, "Délka dipólu L (metr) =", 15, 43, 157, 8},
                     {111, K::ResultField, "0.00", 68, 53, 54, 12},
                     {116, K::GroupBox, "Zadání", 10, 73, 167, 115},
                     {101, K::Label, "Přijímaný kmitočet (MHz)", 15, 80, 157, 12},
                     {107, K::Edit, "", 68, 90, 54, 12},
                     {233, K::Picture, "MYBMP", 15, 114, 156, 68},
                     {1, K::DefaultPushButton, "OK", 10, 193, 50, 14},
                     {2, K::PushButton, "Storno", 126, 193, 50, 14}}},
        TemplateRow{"coax-cable-length",
                    {{118, K::CentredLabel, "KABEL", 15, 25, 157, 24},
                     {116, K::GroupBox, "Výsledek", 10, 33, 167, 35},
                     {100, K::Label, "Délka kabelu(od stínění po stínění)(m) =", 15, 43, 157, 8},
                     {111, K::ResultField, "0.00", 68, 53, 54, 12},
                     {116, K::GroupBox, "Zadání", 10, 73, 167, 115},
                     {101, K::Label, "Přijímaná frekvence (MHz)", 15, 80, 157, 12},
                     {107, K::Edit, "", 68, 90, 54, 12},
                     {102, K::Label, "Katalogový činitel zkrácení", 15, 115, 157, 8},
                     {106, K::Edit, "", 68, 125, 54, 12},
                     {-1, K::Label, "Jak dlouhý kabel má být?(m)", 15, 150, 157, 8},
                     {105, K::Edit, "", 68, 160, 54, 12},
                     {230, K::PushButton, "Help", 68, 193, 50, 14},
                     {256, K::LinkLabel, "Dovanové stránky o PMR a CB", 15, 213, 157, 14},
                     {1, K::DefaultPushButton, "OK", 10, 193, 50, 14},
                     {2, K::PushButton, "Storno", 126, 193, 50, 14}}}));

}  // namespace
}  // namespace kalvora
