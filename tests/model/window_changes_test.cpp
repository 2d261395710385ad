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

TEST_F(ProgramTest, EachEventChangesOnlyTheWindowsItReplaced) {
    const int current = Slot("current");
    const int thermal = program.SlotOf(FindFieldCommand(command::kElectrical + 1)->firstFormSlug);
    const auto end = [&] {
        program.RequestClose();
        program.Answer(program.State().boxes.back().id, BoxAnswer::Yes);
    };
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
        {"help and another field in one turn",
         [&] {
             program.PressButton(current, 230);
             program.Command(command::kElectrical + 1);
         },
         {.destroyForms = {current},
          .destroyPanel = true,
          .createPanel = true,
          .createForms = {thermal},
          .showForms = {thermal}}},
        {"end", end, {.destroyForms = {thermal}, .destroyPanel = true}},
    };
    ShownWindows shown;
    for (const Step& step : steps) {
        step.run();
        WindowChanges changes = ChangeWindows(shown, program.State());
        shown = changes.shown;
        EXPECT_TRUE(ChangeWindows(shown, program.State()).None()) << step.event;
        // A view without windows (one that threw them away for a new display scale) builds them all.
        EXPECT_EQ(ChangeWindows({}, program.State()).shown, shown) << step.event;
        changes.shown = {};
        EXPECT_EQ(changes, step.expected) << step.event;
    }
    EXPECT_EQ(shown, ShownWindows{});
}

}  // namespace
}  // namespace kalvora::testing
