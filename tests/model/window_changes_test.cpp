// SPDX-License-Identifier: MIT
// Rebuilding windows by serial: a view that carries out each WindowChanges ends up with the
// windows of the state, and builds each window once.
#include "model/window_changes.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/shell_data.h"
#include "tests/model/program_fixture.h"

namespace kalvora::testing {
namespace {

class WindowChangesTest : public ProgramTest {
protected:
    // Carries out the changes on the view's windows; a second call changes nothing.
    WindowChanges Follow() {
        WindowChanges changes = ChangeWindows(shown, program.State());
        shown = changes.shown;
        EXPECT_TRUE(ChangeWindows(shown, program.State()).None());
        return changes;
    }
    ShownWindows shown;
};

TEST_F(WindowChangesTest, EachEventChangesOnlyTheWindowsItReplaced) {
    const int current = Slot("current");
    const int thermal = program.SlotOf(FindFieldCommand(command::kElectrical + 1)->firstFormSlug);
    struct Step {
        std::string_view event;
        std::function<void()> run;
        WindowChanges expected;  // without `shown`
    };
    const std::vector<Step> steps = {
        {"start", [] {}, {.createPanel = true, .createForms = {current}, .showForms = {current}}},
        {"Help", [&] { program.PressButton(current, 230); }, {.createHelp = true}},
        {"Help again", [&] { program.PressButton(current, 230); }, {}},
        {"Storno", [&] { program.PressEscape(current); }, {.destroyHelp = true, .hideForms = {current}}},
        {"same field",
         [&] { program.Command(command::kElectrical); },
         {.destroyForms = {current},
          .destroyPanel = true,
          .createPanel = true,
          .createForms = {current},
          .showForms = {current}}},
        {"other field",
         [&] { program.Command(command::kElectrical + 1); },
         {.destroyForms = {current},
          .destroyPanel = true,
          .createPanel = true,
          .createForms = {thermal},
          .showForms = {thermal}}},
    };
    for (const Step& step : steps) {
        step.run();
        WindowChanges changes = Follow();
        changes.shown = {};
        EXPECT_EQ(changes, step.expected) << step.event;
    }
}

TEST_F(WindowChangesTest, TheEndDestroysEverythingAndAFreshViewRebuildsAll) {
    program.PressButton(Slot("current"), 230);
    Follow();
    const ShownWindows before = shown;
    // A view that threw its windows away (a new display scale) builds them all again.
    const WindowChanges rebuilt = ChangeWindows({}, program.State());
    EXPECT_EQ(rebuilt.shown, before);
    EXPECT_TRUE(rebuilt.createPanel && rebuilt.createHelp);
    EXPECT_EQ(rebuilt.createForms, LiveSlots());

    program.RequestClose();
    program.Answer(program.State().boxes.back().id, BoxAnswer::Yes);
    const WindowChanges end = Follow();
    EXPECT_EQ(end.destroyForms, std::vector<int>{Slot("current")});
    EXPECT_TRUE(end.destroyPanel && end.destroyHelp);
    EXPECT_EQ(end.shown, ShownWindows{});
}

}  // namespace
}  // namespace kalvora::testing
