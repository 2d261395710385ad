// SPDX-License-Identifier: MIT
// Events that no view sends in ordinary use (before the start, to a form that is hidden or under
// its own box, with coordinates far off any screen): the model stays consistent. Each case was
// a finding of the model's fuzz target.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "tests/model/program_fixture.h"

namespace kalvora::testing {
namespace {

using Event = std::function<void(Program&)>;

struct NamedEvent {
    const char* name;
    Event event;
};

TEST(ProgramBeforeStart, NoEventOpensAnythingOrAsksForAnything) {
    const NamedEvent events[] = {
        {"Command", [](Program& p) { p.Command(1604); }},
        {"RequestClose", [](Program& p) { p.RequestClose(); }},
        {"OpenFormSlot", [](Program& p) { p.OpenFormSlot(0); }},
        {"Tick", [](Program& p) { p.Tick(kMemory); }},
        {"MainWindowMoved", [](Program& p) { p.MainWindowMoved(Rect::FromSize(5, 5, 100, 100)); }},
    };
    for (const auto& e : events) {
        Program program;
        e.event(program);
        const ProgramState& state = program.State();
        EXPECT_FALSE(state.panel) << e.name;
        EXPECT_TRUE(state.boxes.empty()) << e.name;
        EXPECT_EQ(state.mainWindow, Rect{}) << e.name;
        EXPECT_EQ(state.totalMemoryText, "") << e.name;
        for (const auto& form : state.forms) EXPECT_FALSE(form) << e.name;
        EXPECT_TRUE(program.TakeEffects().empty()) << e.name;
    }
}

// The input a form can get; none of it reaches a form that is hidden or under its own box.
std::vector<NamedEvent> FormInput(int slot, const FormDefinition& form) {
    return {
        {"Ok", [=, &form](Program& p) { p.PressButton(slot, form.okId); }},
        {"Storno", [=, &form](Program& p) { p.PressButton(slot, form.cancelId); }},
        {"Help", [=](Program& p) { p.PressButton(slot, 230); }},
        {"Enter", [=](Program& p) { p.PressEnter(slot, 0); }},
        {"Escape", [=](Program& p) { p.PressEscape(slot); }},
        {"EditText", [=, &form](Program& p) { p.EditText(slot, form.inputs[0].controlId, "7"); }},
    };
}

// What the input above could change.
struct FormSnapshot {
    ProgramState state;

    bool SameAs(const ProgramState& now, int slot) const {
        const FormInstance& before = *state.forms[std::size_t(slot)];
        const FormInstance& after = *now.forms[std::size_t(slot)];
        return before.visible == after.visible && before.controls == after.controls &&
               state.helpWindowOpen == now.helpWindowOpen && state.boxes == now.boxes &&
               state.mainWindow == now.mainWindow;
    }
};

TEST_F(ProgramTest, AHiddenFormTakesNoInput) {
    for (const char* slug : {"current", "liquid-mixing"}) {
        const int slot = Slot(slug);
        for (const NamedEvent& e : FormInput(slot, *program.Forms()[std::size_t(slot)])) {
            program.OpenFormSlot(slot);
            program.PressEscape(slot);
            ASSERT_FALSE(Form(slug)->visible) << slug;
            program.TakeEffects();
            const FormSnapshot before{program.State()};
            e.event(program);
            EXPECT_TRUE(before.SameAs(program.State(), slot)) << slug << " " << e.name;
            EXPECT_TRUE(program.TakeEffects().empty()) << slug << " " << e.name;
        }
    }
}

TEST_F(ProgramTest, AFormUnderItsOwnBoxTakesNoInputUntilTheAnswer) {
    const int slot = Slot("current");
    for (const NamedEvent& e : FormInput(slot, *program.Forms()[std::size_t(slot)])) {
        program.OpenFormSlot(slot);
        PressOk("current");  // empty fields: the form's own error box
        ASSERT_EQ(program.State().boxes.size(), 1u);
        ASSERT_EQ(program.State().boxes[0].owner, BoxOwner::Form);
        program.TakeEffects();
        const FormSnapshot before{program.State()};
        e.event(program);
        EXPECT_TRUE(before.SameAs(program.State(), slot)) << e.name;
        EXPECT_TRUE(program.TakeEffects().empty()) << e.name;
        program.Answer(program.State().boxes[0].id, BoxAnswer::Ok);
    }
    Type("current", program.Forms()[std::size_t(slot)]->inputs[0].controlId, "7");
    EXPECT_EQ(Text("current", program.Forms()[std::size_t(slot)]->inputs[0].controlId), "7");
}

TEST_F(ProgramTest, ABoxGoesWithTheFormThatOwnsIt) {
    const NamedEvent replacements[] = {
        {"FieldCommand", [](Program& p) { p.Command(1603); }},
        {"Label", [](Program& p) { p.ClickLabel(198); }},
        {"OpenFormSlot", [](Program& p) { p.OpenFormSlot(0); }},
    };
    for (const NamedEvent& e : replacements) {
        program.Command(1600);
        PressOk("current");
        program.RequestClose();  // a box of the main window stays
        ASSERT_EQ(program.State().boxes.size(), 2u);
        e.event(program);
        ASSERT_EQ(program.State().boxes.size(), 1u) << e.name;
        EXPECT_EQ(program.State().boxes[0].owner, BoxOwner::MainWindow) << e.name;
        program.Answer(program.State().boxes[0].id, BoxAnswer::No);
    }
}

TEST(ProgramCoordinates, WindowsFarOffEveryScreenWidenAndComeBackExactly) {
    constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    const struct {
        const char* name;
        StartInfo start;
        Rect moved;
    } cases[] = {
        {"LowestScreen", {kMin, kMin, kMin, kMemory, true}, Rect{kMin, kMin, kMin, kMin}},
        {"HighestScreen", {kMax, kMax, kMax, kMemory, true}, Rect{kMax, kMax, kMax, kMax}},
        {"Inverted", {0, 0, 1024, kMemory, true}, Rect{kMax, kMax, kMin, kMin}},
    };
    for (const auto& c : cases) {
        Program program;
        program.Start(c.start);
        program.MainWindowMoved(c.moved);
        const Rect before = program.State().mainWindow;
        program.OpenFormSlot(program.SlotOf("liquid-mixing"));
        EXPECT_EQ(program.State().mainWindow, WidenedWindowRect(before)) << c.name;
        program.PressEscape(program.SlotOf("liquid-mixing"));
        EXPECT_EQ(program.State().mainWindow, before) << c.name;
    }
}

}  // namespace
}  // namespace kalvora::testing
