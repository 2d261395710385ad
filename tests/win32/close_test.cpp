// SPDX-License-Identifier: MIT
// The close question and what "Ano" ends; the main window's geometry: the layout on resizing and
// the liquid-mixing form widening the window and Storno restoring it.
#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include "model/geometry.h"
#include "model/shell_data.h"
#include "tests/model/program_fixture.h"
#include "topics.h"
#include "view.h"
#include "wide_text.h"

namespace kalvora::win32::test {
namespace {

const FormDefinition& WideningForm() {
    return *FirstForm([](const FormDefinition& f) { return (f.behaviours & kWidensMainWindow) != 0; });
}

// The message the widening form shows for empty inputs.
std::wstring WideningFormMessageCaption() {
    return Widen(Evaluate(WideningForm(), {}).message.value().caption);
}

enum class Ask { EndMenu, CloseBox, AltF4 };
enum class Open { Nothing, HelpWindow, HelpTextBox, MixingMessage };

struct CloseCase {
    const char* name;
    Ask ask;
    Open open;
};

void AskToClose(const RunningProgram& program, Ask ask) {
    switch (ask) {
        case Ask::EndMenu:
            program.Command(command::kEnd);
            break;
        case Ask::CloseBox:
            PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
            break;
        case Ask::AltF4:
            PostMessageW(program.MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
    }
}

// Opens the window that must not outlive the program; true when it is on screen.
bool OpenOwnerless(RunningProgram& program, Open open) {
    switch (open) {
        case Open::Nothing:
            return true;
        case Open::HelpWindow: {
            HWND form = program.WaitForChild(Widen(StartForm().title));
            program.Click(Control(form, HelpButtonOf(StartForm())));
            return WaitFor([&] { return !program.OtherTopLevelWindows().empty(); });
        }
        case Open::HelpTextBox:
            program.Command(command::kHelp);
            return program.WaitForBox(Widen(text::kProgramTitle)).has_value();
        case Open::MixingMessage: {
            HWND form = OpenForm(program, WideningForm());
            program.Click(Control(form, WideningForm().okId));
            return program.WaitForBox(WideningFormMessageCaption()).has_value();
        }
    }
    return false;
}

class CloseQuestion : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseQuestion, AnoEndsWithStatusZeroClosingEverything) {
    const CloseCase& c = GetParam();
    RunningProgram program;
    ASSERT_TRUE(OpenOwnerless(program, c.open));
    AskToClose(program, c.ask);
    std::optional<Box> question;
    ASSERT_TRUE(WaitFor([&] {
        question = std::nullopt;
        for (const Box& box : program.Boxes())
            if (box.caption == Widen(text::kProgramTitle) && box.text == Widen(text::kCloseQuestion))
                question = box;
        return question.has_value();
    }));
    EXPECT_EQ(question->owner, program.MainWindow());
    EXPECT_EQ(question->buttons, (std::vector<std::wstring>{L"&Ano", L"&Ne"}));
    program.Answer(*question, IDYES);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(WhateverIsOpen, CloseQuestion,
                         ::testing::Values(CloseCase{"EndMenu", Ask::EndMenu, Open::Nothing},
                                           CloseCase{"CloseBox", Ask::CloseBox, Open::Nothing},
                                           CloseCase{"AltF4", Ask::AltF4, Open::Nothing},
                                           CloseCase{"EndWithHelpWindow", Ask::EndMenu, Open::HelpWindow},
                                           CloseCase{"CloseWithHelpWindow", Ask::CloseBox, Open::HelpWindow},
                                           CloseCase{"EndWithHelpTextBox", Ask::EndMenu, Open::HelpTextBox},
                                           CloseCase{"EndWithMixingMessage", Ask::EndMenu,
                                                     Open::MixingMessage}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CloseQuestion, NeChangesNothing) {
    const FormDefinition& start = StartForm();
    RunningProgram program;
    HWND form = program.WaitForChild(Widen(start.title));
    ASSERT_NE(form, nullptr);
    HWND input = Control(form, start.inputs.front().controlId);
    program.SetText(input, L"12");
    PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
    const auto question = program.WaitForBox(Widen(text::kProgramTitle));
    ASSERT_TRUE(question);
    program.Answer(*question, IDNO);
    // A key typed after the answer is handled after it: the program still runs and kept the text.
    program.Type(input, L'3');
    EXPECT_TRUE(WaitFor([&] { return TextOf(input) == L"123" || !program.Running(); }));
    EXPECT_TRUE(program.Running());
    EXPECT_TRUE(IsWindowVisible(program.MainWindow()));
    EXPECT_EQ(TextOf(input), L"123");
}

Rect InClient(HWND parent, HWND child) {
    RECT r = WindowRectOf(child);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

Rect Outer(HWND window) {
    const RECT r = WindowRectOf(window);
    return {r.left, r.top, r.right, r.bottom};
}

int Dpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

TEST(Geometry, ResizingLaysOutTheColumnsBetweenToolbarAndStatusBar) {
    RunningProgram program;
    HWND main = program.MainWindow();
    ASSERT_NE(program.WaitForChild(Widen(StartForm().title)), nullptr);
    SetWindowPos(main, nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    const RECT client = ClientRectOf(main);
    const ColumnLayout expected =
        ResizeLayout(client.right, client.bottom, Outer(GetDlgItem(main, kToolbarId)).height(),
                     Outer(FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr)).height(), Dpi());
    EXPECT_TRUE(WaitFor(
        [&] { return program.VisibleForm() && InClient(main, program.VisibleForm()) == expected.form; }));
    EXPECT_EQ(InClient(main, program.Panel()), expected.panel);
}

TEST(Geometry, LiquidMixingWidensTheWindowAndStornoRestoresIt) {
    RunningProgram program;
    HWND main = program.MainWindow();
    const Rect before = Outer(main), widened = WidenedWindowRect(before, Dpi());
    HWND form = OpenForm(program, WideningForm());
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(WaitFor([&] { return Outer(main) == widened; }));
    // The form stands at its creation place in the new client area.
    const RECT client = ClientRectOf(main);
    EXPECT_EQ(InClient(main, form), CreationLayout(client.right, client.bottom, Dpi()).form);

    program.Click(Control(form, WideningForm().cancelId));
    ASSERT_TRUE(WaitFor([&] { return Outer(main) == before; }));
    EXPECT_FALSE(IsWindowVisible(form));

    // Opened again and left by switching, the window stays widened.
    ASSERT_NE(OpenForm(program, WideningForm()), nullptr);
    ASSERT_TRUE(WaitFor([&] { return Outer(main) == widened; }));
    ASSERT_NE(OpenForm(program, StartForm()), nullptr);
    EXPECT_EQ(Outer(main), widened);
}

}  // namespace
}  // namespace kalvora::win32::test
