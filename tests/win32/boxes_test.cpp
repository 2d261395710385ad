// SPDX-License-Identifier: MIT
// The system message boxes the program shows, their owners, and the dialog keys of a form.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/shell_data.h"
#include "topics.h"
#include "wide_text.h"

namespace kalvora::win32::test {
namespace {

// The owner a form's message has: the form (whose window belongs to the main window), or none.
MessageOwner OwnerOf(const WorkedExample& example) {
    std::vector<std::string_view> texts(example.texts.begin(), example.texts.end());
    return Evaluate(*example.form, texts).message.value().owner;
}

class Messages : public testing::TestWithParam<WorkedExample> {};

TEST_P(Messages, ShowTheirTextAndLeaveTheResult) {
    const WorkedExample& example = GetParam();
    const FormDefinition& definition = *example.form;
    ASSERT_EQ(example.answer.size(), 3u);
    RunningProgram program;
    HWND form = OpenForm(program, definition);
    ASSERT_NE(form, nullptr);
    for (std::size_t i = 0; i < example.texts.size(); ++i)
        program.SetText(Control(form, definition.inputs[i].controlId), Widen(example.texts[i]));
    HWND result = Control(form, definition.resultIds.front());
    const std::wstring before = TextOf(result);
    program.Click(Control(form, definition.okId));
    const auto box = program.WaitForBox(Widen(example.answer[1]));
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, Widen(example.answer[2]));
    EXPECT_EQ(box->buttons, std::vector<std::wstring>{L"OK"});
    if (OwnerOf(example) == MessageOwner::Form) {
        EXPECT_EQ(box->owner, program.MainWindow());
        EXPECT_FALSE(IsWindowEnabled(program.MainWindow()));
    } else {
        EXPECT_EQ(box->owner, nullptr);
        EXPECT_TRUE(IsWindowEnabled(program.MainWindow()));
    }
    program.Answer(*box, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box->window); }));
    EXPECT_TRUE(IsWindowEnabled(program.MainWindow()));
    EXPECT_EQ(TextOf(result), before);
}

INSTANTIATE_TEST_SUITE_P(OwnMessages, Messages,
                         testing::ValuesIn(FirstOfEachKind(false, [](auto& e) { return int(OwnerOf(e)); })),
                         [](const auto& info) {
                             return CaseName(*info.param.form, OwnerOf(info.param) == MessageOwner::Form
                                                                   ? "_owned_by_the_form"
                                                                   : "_without_owner");
                         });

TEST(Messages, ToolbarHelpTextHasNoOwner) {
    RunningProgram program;
    program.Command(command::kHelp);
    const auto box = program.WaitForBox(Widen(text::kProgramTitle));
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, Widen(text::kHelp));
    EXPECT_EQ(box->owner, nullptr);
    // The main window stays usable: a field command works while the box is open.
    EXPECT_TRUE(IsWindowEnabled(program.MainWindow()));
    const FieldCommand& field = kFieldCommands.back();
    program.Command(field.buttonId);
    EXPECT_NE(program.WaitForChild(Widen(FindForm(field.firstFormSlug)->title)), nullptr);
    program.Answer(*box, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box->window); }));
}

// Enter computes (the default button), Tab moves to the next input, Esc is Storno: it hides the form.
TEST(Keys, EnterComputesEscHidesTabMoves) {
    const FormDefinition& definition = StartForm();
    const WorkedExample& example = *std::find_if(WorkedExamples().begin(), WorkedExamples().end(),
                                                 [&](auto& e) { return e.form == &definition && e.ok(); });
    RunningProgram program;
    HWND form = program.WaitForChild(Widen(definition.title));
    ASSERT_NE(form, nullptr);
    ASSERT_GE(definition.inputs.size(), 2u);
    HWND first = Control(form, definition.inputs[0].controlId),
         second = Control(form, definition.inputs[1].controlId);
    for (std::size_t i = 0; i < example.texts.size(); ++i)
        program.SetText(Control(form, definition.inputs[i].controlId), Widen(example.texts[i]));
    program.Key(first, VK_RETURN);
    EXPECT_TRUE(
        WaitFor([&] { return TextOf(Control(form, definition.resultIds[0])) == Widen(example.answer[1]); }));
    GUITHREADINFO focus{};
    focus.cbSize = sizeof focus;
    const DWORD thread = GetWindowThreadProcessId(program.MainWindow(), nullptr);
    program.Key(first, VK_TAB);
    EXPECT_TRUE(WaitFor([&] {
        GetGUIThreadInfo(thread, &focus);
        return focus.hwndFocus == second;
    }));
    program.Key(second, VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(form); }));
    EXPECT_TRUE(IsWindow(form)) << "Storno hides the form; it stays until the next switch";
}

// A form whose OK and Storno have other ids than the dialog keys: Esc leaves it open, Enter
// still computes. Both keys are posted in order, so the result proves Esc was handled first.
TEST(Keys, EscLeavesAFormWithAnotherStornoOpenAndEnterComputes) {
    const FormDefinition* definition =
        FirstForm([](const FormDefinition& f) { return f.cancelId != IDCANCEL; });
    ASSERT_NE(definition, nullptr);
    const WorkedExample& example = *std::find_if(WorkedExamples().begin(), WorkedExamples().end(),
                                                 [&](auto& e) { return e.form == definition && e.ok(); });
    RunningProgram program;
    HWND form = OpenForm(program, *definition);
    ASSERT_NE(form, nullptr);
    for (const PresetText& preset : definition->presets)
        EXPECT_EQ(TextOf(Control(form, preset.controlId)), Widen(preset.text));
    for (std::size_t i = 0; i < example.texts.size(); ++i)
        program.SetText(Control(form, definition->inputs[i].controlId), Widen(example.texts[i]));
    HWND last = Control(form, definition->inputs.back().controlId);
    program.Key(last, VK_ESCAPE);
    program.Key(last, VK_RETURN);
    EXPECT_TRUE(
        WaitFor([&] { return TextOf(Control(form, definition->resultIds[0])) == Widen(example.answer[1]); }));
    EXPECT_TRUE(IsWindowVisible(form));
}

}  // namespace
}  // namespace kalvora::win32::test
