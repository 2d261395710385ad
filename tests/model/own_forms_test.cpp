// SPDX-License-Identifier: MIT
// A program over forms of its own: opening a form slot directly, as a host without panels does,
// and panel labels whose forms the program does not hold.
#include <gtest/gtest.h>

#include <array>

#include "model/shell_data.h"
#include "tests/model/program_fixture.h"

namespace kalvora::testing {
namespace {

// The voltage form in slot 0 and the lens form in slot 1; the current form is missing.
class OwnFormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        program.Start({0, 0, 1024, kMemory, true});
        program.TakeEffects();
    }
    std::vector<int> LiveSlots() const {
        std::vector<int> slots;
        for (std::size_t i = 0; i < program.State().forms.size(); ++i)
            if (program.State().forms[i]) slots.push_back(int(i));
        return slots;
    }

    const std::array<const FormDefinition*, 2> forms{FindForm("voltage"), FindForm("lens-power")};
    Program program{forms};
};

TEST_F(OwnFormsTest, StartsWithThePanelAloneWhenTheFirstFormIsMissing) {
    ASSERT_TRUE(program.State().panel.has_value());
    EXPECT_TRUE(LiveSlots().empty());
    EXPECT_EQ(program.State().activeForm, -1);
}

TEST_F(OwnFormsTest, OpeningASlotReplacesEveryFormAndTheHelpWindowAndKeepsThePanel) {
    program.ClickLabel(198);  // the voltage form through its label
    program.PressButton(0, 230);
    ASSERT_TRUE(program.State().helpWindowOpen);
    const int picture = program.State().HelpBitmapId;
    program.PressEscape(0);  // hidden, still in its slot
    const int panel = program.State().panel->serial;
    program.EditText(0, 107, "5");
    program.TakeEffects();

    program.OpenFormSlot(1);
    EXPECT_EQ(LiveSlots(), std::vector<int>{1});
    EXPECT_EQ(program.State().activeForm, 1);
    EXPECT_FALSE(program.State().helpWindowOpen);
    EXPECT_EQ(program.State().HelpBitmapId, picture);
    EXPECT_EQ(program.State().panel->serial, panel);
    EXPECT_EQ(program.TakeEffects(), std::vector<Effect>{Effect::FocusOn(1, 306)});

    const int serial = program.State().forms[1]->serial;
    program.OpenFormSlot(1);  // again: a fresh form
    EXPECT_NE(program.State().forms[1]->serial, serial);

    for (int slot : {-1, 2, 22, 99}) program.OpenFormSlot(slot);
    EXPECT_EQ(LiveSlots(), std::vector<int>{1});
}

TEST_F(OwnFormsTest, ALabelWhoseFormIsMissingLeavesEverythingAsItWas) {
    program.ClickLabel(198);
    program.EditText(0, 107, "5");
    program.PressButton(0, 230);
    const ProgramState before = program.State();
    program.TakeEffects();
    program.ClickLabel(150);  // "Proud": the current form is not among the program's forms
    EXPECT_EQ(LiveSlots(), std::vector<int>{0});
    EXPECT_EQ(program.State().forms[0]->serial, before.forms[0]->serial);
    EXPECT_EQ(program.State().forms[0]->Control(107)->text, "5");
    EXPECT_TRUE(program.State().helpWindowOpen);
    EXPECT_EQ(program.State().HelpBitmapId, before.HelpBitmapId);
    EXPECT_TRUE(program.TakeEffects().empty());
}

TEST_F(OwnFormsTest, ALabelClickKeepsThePanelAndAFieldCommandReplacesIt) {
    const int serial = program.State().panel->serial;
    program.ClickLabel(198);
    EXPECT_EQ(program.State().panel->serial, serial);
    program.Command(command::kElectrical + 3);  // optics
    EXPECT_EQ(program.State().panel->field, Field::Optics);
    EXPECT_EQ(LiveSlots(), std::vector<int>{1});
}

TEST_F(OwnFormsTest, NothingOpensOnceTheProgramHasEnded) {
    program.RequestClose();
    program.Answer(program.State().boxes[0].id, BoxAnswer::Yes);
    program.OpenFormSlot(0);
    EXPECT_TRUE(LiveSlots().empty());
}

}  // namespace
}  // namespace kalvora::testing
