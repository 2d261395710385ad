// SPDX-License-Identifier: MIT
// Start-up, the field commands and the panel labels: which panel and forms exist afterwards and
// which help picture is stored.
#include <gtest/gtest.h>

#include "model/panel_data.h"
#include "model/shell_data.h"
#include "tests/model/program_fixture.h"

namespace kalvora::testing {
namespace {

TEST(ProgramStartTest, OpensTheElectricalPanelAndTheCurrentFormWithoutAHelpPicture) {
    Program program;
    EXPECT_FALSE(program.State().panel.has_value());
    program.Start({0, 0, 1024, kMemory, true});
    const ProgramState& state = program.State();
    ASSERT_TRUE(state.panel.has_value());
    EXPECT_EQ(state.panel->field, Field::Electrical);
    const int current = program.SlotOf("current");
    ASSERT_TRUE(state.forms[std::size_t(current)].has_value());
    EXPECT_TRUE(state.forms[std::size_t(current)]->visible);
    EXPECT_EQ(state.activeForm, current);
    EXPECT_EQ(state.HelpBitmapId, 0);
    EXPECT_FALSE(state.helpWindowOpen);
    EXPECT_TRUE(state.boxes.empty());
    EXPECT_EQ(program.TakeEffects(), std::vector<Effect>{Effect::FocusOn(current, 107)});
}

TEST(ProgramStartTest, PlacesTheWindowOnTheScreenItOpensOn) {
    struct Case {
        int left, top, width;
        Rect expected;
    };
    for (const Case& c : {Case{0, 0, 1024, {237, 50, 817, 650}}, Case{0, 0, 800, {125, 50, 705, 650}},
                          Case{1920, 100, 1281, {1920 + 365, 150, 1920 + 945, 750}}}) {
        Program program;
        program.Start({c.left, c.top, c.width, kMemory, true});
        EXPECT_EQ(program.State().mainWindow, c.expected) << c.width;
    }
}

TEST(ProgramStartTest, AMissingStripIsToldOnceBeforeAnythingElse) {
    Program program;
    program.Start({0, 0, 1024, kMemory, false});
    ASSERT_EQ(program.State().boxes.size(), 1u);
    const WaitingBox& box = program.State().boxes[0];
    EXPECT_EQ(box.caption, "Kalvora 5.0.9");
    EXPECT_EQ(box.text, "Není ve složce programu toolbarXXX.bmp\nNinstalujte orginal i s toolbar bitmapou");
    EXPECT_EQ(box.icon, MessageIcon::Information);
    EXPECT_EQ(box.owner, BoxOwner::MainWindow);
    EXPECT_FALSE(program.State().toolbarPictures);
    program.Answer(box.id, BoxAnswer::Ok);
    program.Command(command::kElectrical);
    EXPECT_TRUE(program.State().boxes.empty());
    // Starting twice changes nothing.
    program.Start({0, 0, 1024, kMemory, false});
    EXPECT_TRUE(program.State().boxes.empty());
}

struct FieldCase {
    int id;
    Field field;
    const char* firstForm;
    int storedPicture;  // -1: the picture stored before stays
};

class FieldCommandTest : public ProgramTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(FieldCommandTest, ReplacesPanelAndEveryFormAndStoresTheFieldsPicture) {
    const FieldCase& c = GetParam();
    // Something to lose: a typed input, a hidden form, the help window and a stored picture.
    Open(command::kElectrical + 2, 229);  // mechanics, then gravitational acceleration (234)
    Type("gravitational-acceleration", 107, "6e24");
    program.PressButton(Slot("gravitational-acceleration"), 230);
    ASSERT_TRUE(program.State().helpWindowOpen);
    program.PressEscape(Slot("gravitational-acceleration"));
    program.TakeEffects();

    program.Command(c.id);
    const ProgramState& state = program.State();
    ASSERT_TRUE(state.panel.has_value());
    EXPECT_EQ(state.panel->field, c.field);
    EXPECT_EQ(LiveSlots(), std::vector<int>{Slot(c.firstForm)});
    EXPECT_EQ(state.activeForm, Slot(c.firstForm));
    EXPECT_FALSE(state.helpWindowOpen);
    EXPECT_EQ(state.HelpBitmapId, c.storedPicture < 0 ? 234 : c.storedPicture);
    const std::vector<EffectKind> effects = EffectKinds();
    ASSERT_FALSE(effects.empty());
    EXPECT_EQ(effects.back(), EffectKind::RefreshMemory);
}

constexpr FieldCase kFieldCases[] = {
    {209, Field::Electrical, "current", 2002},
    {1600, Field::Electrical, "current", 2002},
    {177, Field::Thermal, "wall-thermal-resistance", -1},
    {1601, Field::Thermal, "wall-thermal-resistance", -1},
    {211, Field::Mechanics, "gravitation-law", 2000},
    {1602, Field::Mechanics, "gravitation-law", 2000},
    {223, Field::Optics, "lens-power", -1},
    {1603, Field::Optics, "lens-power", -1},
    {237, Field::GasesAndLiquids, "aerodynamic-drag", -1},
    {1604, Field::GasesAndLiquids, "aerodynamic-drag", -1},
    {257, Field::Antenna, "half-wave-dipole", -1},
    {1605, Field::Antenna, "half-wave-dipole", -1},
};
INSTANTIATE_TEST_SUITE_P(MenuAndToolbar, FieldCommandTest, ::testing::ValuesIn(kFieldCases));

TEST_F(ProgramTest, TheSameFieldAgainBuildsNewWindowsAndLosesWhatWasTyped) {
    Type("current", 107, "12");
    const int panelSerial = program.State().panel->serial;
    const int formSerial = Form("current")->serial;
    program.Command(209);
    EXPECT_NE(program.State().panel->serial, panelSerial);
    EXPECT_NE(Form("current")->serial, formSerial);
    EXPECT_EQ(Text("current", 107), "");
}

struct LabelCase {
    int fieldCommand;
    int label;
    const char* form;
    int storedPicture;  // -1: unchanged
};

class LabelTest : public ProgramTest, public ::testing::WithParamInterface<LabelCase> {};

TEST_P(LabelTest, OpensItsFormAloneAndStoresItsPicture) {
    const LabelCase& c = GetParam();
    program.Command(c.fieldCommand);
    program.PressEscape(program.State().activeForm);  // a hidden form goes too
    const int before = program.State().HelpBitmapId;
    program.TakeEffects();
    program.ClickLabel(c.label);
    EXPECT_EQ(LiveSlots(), std::vector<int>{Slot(c.form)});
    EXPECT_TRUE(Form(c.form)->visible);
    EXPECT_EQ(program.State().activeForm, Slot(c.form));
    EXPECT_EQ(program.State().HelpBitmapId, c.storedPicture < 0 ? before : c.storedPicture);
}

constexpr LabelCase kLabelCases[] = {
    {209, 150, "current", -1},
    {209, 198, "voltage", -1},
    {209, 199, "resistance", -1},
    {209, 151, "coil-reactance", -1},
    {209, 152, "capacitor-reactance", -1},
    {209, 153, "transformer", -1},
    {209, 157, "conductor-resistance", -1},
    {209, 155, "fluorescent-for-bulb", -1},
    {209, 159, "luminous-flux", -1},
    {209, 160, "input-power", -1},
    {209, 161, "active-power", -1},
    {209, 169, "voltage-drop", -1},
    {177, 207, "wall-thermal-resistance", -1},
    {211, 214, "gravitation-law", 2000},
    {211, 229, "gravitational-acceleration", 234},
    {211, 235, "free-fall", 2001},
    {223, 299, "lens-power", -1},
    {237, 248, "aerodynamic-drag", -1},
    {237, 246, "buoyancy", -1},
    {237, 258, "liquid-mixing", -1},
    {257, 252, "half-wave-dipole", -1},
    {257, 254, "coax-cable-length", -1},
};
INSTANTIATE_TEST_SUITE_P(EveryTopic, LabelTest, ::testing::ValuesIn(kLabelCases));

TEST_F(ProgramTest, ADoubleClickOpensTheFormTwiceAndTheSecondReplacesTheFirst) {
    program.ClickLabel(198);
    const int first = Form("voltage")->serial;
    Type("voltage", 107, "2");
    program.ClickLabel(198);
    EXPECT_NE(Form("voltage")->serial, first);
    EXPECT_EQ(Text("voltage", 107), "");
    EXPECT_EQ(LiveSlots(), std::vector<int>{Slot("voltage")});
}

TEST_F(ProgramTest, LinkLabelsOpenTheirAddressesAndLeaveTheFormAlone) {
    Type("current", 107, "12");
    const int serial = Form("current")->serial;
    for (const PanelLabel& label : PanelFor(Field::Electrical).labels) {
        if (label.action != LabelAction::OpenUrl) continue;
        program.ClickLabel(label.id);
        const std::vector<Effect> effects = program.TakeEffects();
        ASSERT_EQ(effects.size(), 1u) << label.id;
        EXPECT_EQ(effects[0].kind, EffectKind::OpenAddress);
        EXPECT_EQ(effects[0].address, label.target);
        EXPECT_FALSE(effects[0].maximised);
    }
    EXPECT_EQ(Form("current")->serial, serial);
    EXPECT_EQ(Text("current", 107), "12");
}

TEST_F(ProgramTest, ALabelOfAnotherPanelOrAnUnknownIdDoesNothing) {
    const int serial = Form("current")->serial;
    program.ClickLabel(214);  // a mechanics label while the electrical panel is open
    program.ClickLabel(4242);
    EXPECT_EQ(Form("current")->serial, serial);
    EXPECT_TRUE(program.TakeEffects().empty());
}

TEST_F(ProgramTest, StornoHidesTheFormWhichStaysUntilTheNextOpening) {
    program.PressButton(Slot("current"), 2);
    ASSERT_NE(Form("current"), nullptr);
    EXPECT_FALSE(Form("current")->visible);
    program.ClickLabel(198);
    EXPECT_EQ(Form("current"), nullptr);
}

TEST_F(ProgramTest, EventsForAnEmptySlotAreIgnored) {
    const ProgramState before = program.State();
    const int voltage = Slot("voltage");
    program.PressButton(voltage, 1);
    program.PressEnter(voltage, 107);
    program.PressEscape(voltage);
    program.EditText(voltage, 107, "5");
    program.ChooseItem(voltage, 107, 0);
    program.ActivateForm(voltage);
    program.PressButton(-1, 1);
    program.PressButton(99, 1);
    EXPECT_EQ(program.State().activeForm, before.activeForm);
    EXPECT_EQ(LiveSlots(), std::vector<int>{Slot("current")});
    EXPECT_TRUE(program.TakeEffects().empty());
}

}  // namespace
}  // namespace kalvora::testing

namespace kalvora::testing {
namespace {

TEST(TopicShortcutTest, TopicsInPanelOrderGetOneToNineThenZeroAndLinksNone) {
    const PanelData& electrical = PanelFor(Field::Electrical);
    std::vector<std::optional<int>> digits;
    for (std::size_t i = 0; i < electrical.labels.size(); ++i)
        digits.push_back(TopicShortcutDigit(electrical, i));
    const std::vector<std::optional<int>> expected{
        1, 2, 3, 4, 5, 6, 7, 8, 9, 0, std::nullopt, std::nullopt, std::nullopt, std::nullopt};
    EXPECT_EQ(digits, expected);
    EXPECT_EQ(TopicShortcutDigit(PanelFor(Field::Antenna), 1), 2);
    EXPECT_EQ(TopicShortcutDigit(PanelFor(Field::Antenna), 2), std::nullopt);
}

}  // namespace
}  // namespace kalvora::testing

namespace kalvora::testing {
namespace {

TEST(TopicMenuTest, LabelsAsMenuItemsTopicsThenLinksAfterOneSeparator) {
    PanelData panel;
    const auto label = [](int id, std::string_view text, LabelAction action) {
        PanelLabel l;
        l.id = id;
        l.text = text;
        l.action = action;
        return l;
    };
    panel.labels = {label(1, "Výkon ", LabelAction::OpenForm), label(2, "R&D", LabelAction::OpenForm),
                    label(3, "Web", LabelAction::OpenUrl), label(4, "Mail", LabelAction::OpenUrl)};
    const std::vector<TopicMenuItem> items = TopicMenuItems(panel);
    ASSERT_EQ(items.size(), 4u);
    const std::vector<std::string> texts{items[0].text, items[1].text, items[2].text, items[3].text};
    EXPECT_EQ(texts, (std::vector<std::string>{"Výkon", "R&&D", "Web", "Mail"}));
    const std::vector<bool> separators{items[0].separatorBefore, items[1].separatorBefore,
                                       items[2].separatorBefore, items[3].separatorBefore};
    EXPECT_EQ(separators, (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(items[1].shortcutDigit, 2);
    EXPECT_EQ(items[2].shortcutDigit, std::nullopt);
    EXPECT_EQ(items[3].labelId, 4);
}

}  // namespace
}  // namespace kalvora::testing
