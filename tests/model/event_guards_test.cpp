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

// Every kind of input a form can get, after `prepare`, leaves the form, the help window, the
// boxes and the main window as they were, and asks for no effect.
void ExpectNoInputTaken(Program& program, int slot, const std::function<void()>& prepare) {
    const FormDefinition& form = *program.Forms()[std::size_t(slot)];
    const NamedEvent inputs[] = {
        {"Ok", [&](Program& p) { p.PressButton(slot, form.okId); }},
        {"Storno", [&](Program& p) { p.PressButton(slot, form.cancelId); }},
        {"Help", [&](Program& p) { p.PressButton(slot, 230); }},
        {"Enter", [&](Program& p) { p.PressEnter(slot, 0); }},
        {"Escape", [&](Program& p) { p.PressEscape(slot); }},
        {"EditText", [&](Program& p) { p.EditText(slot, form.inputs[0].controlId, "7"); }},
    };
    for (const NamedEvent& e : inputs) {
        prepare();
        program.TakeEffects();
        const ProgramState before = program.State();
        e.event(program);
        const ProgramState& after = program.State();
        const FormInstance &was = *before.forms[std::size_t(slot)], &is = *after.forms[std::size_t(slot)];
        EXPECT_TRUE(was.visible == is.visible && was.controls == is.controls) << form.slug << " " << e.name;
        EXPECT_TRUE(before.helpWindowOpen == after.helpWindowOpen && before.boxes == after.boxes &&
                    before.mainWindow == after.mainWindow)
            << form.slug << " " << e.name;
        EXPECT_TRUE(program.TakeEffects().empty()) << form.slug << " " << e.name;
    }
}

TEST_F(ProgramTest, AHiddenFormTakesNoInput) {
    for (const char* slug : {"current", "liquid-mixing"}) {
        ExpectNoInputTaken(program, Slot(slug), [&] {
            program.OpenFormSlot(Slot(slug));
            program.PressEscape(Slot(slug));
        });
    }
}

TEST_F(ProgramTest, AFormUnderItsOwnBoxTakesNoInputUntilTheAnswer) {
    ExpectNoInputTaken(program, Slot("current"), [&] {
        program.OpenFormSlot(Slot("current"));
        PressOk("current");  // empty fields: the form's own error box
        ASSERT_EQ(program.State().boxes.size(), 1u);
    });
    program.Answer(program.State().boxes[0].id, BoxAnswer::Ok);
    const int input = Form("current")->definition->inputs[0].controlId;
    Type("current", input, "7");
    EXPECT_EQ(Text("current", input), "7");
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
