// SPDX-License-Identifier: MIT
// The close question and what "Ano" ends; the main window's geometry: the layout on resizing and
// the liquid-mixing form widening the window and Storno restoring it.
#include <gtest/gtest.h>

#include "program_driver.h"

namespace kalvora::win32::test {
namespace {

constexpr int kEndCommand = 109;

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
            program.Command(kEndCommand);
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
            HWND form = program.WaitForChild(L"Proud");
            program.Click(Control(form, 230));
            return WaitFor([&] { return !program.OtherTopLevelWindows().empty(); });
        }
        case Open::HelpTextBox:
            program.Command(1606);
            return program.WaitForBox(L"Kalvora 5.0.9").has_value();
        case Open::MixingMessage: {
            HWND form = program.OpenTopic(1604, 258, L"Roztoky kapalin");
            program.Click(Control(form, 1));
            return program.WaitForBox(L"Error - Zadání:Edit 1").has_value();
        }
    }
    return false;
}

class CloseQuestion : public testing::TestWithParam<CloseCase> {};

TEST_P(CloseQuestion, AnoEndsWithStatusZeroClosingEverything) {
    const CloseCase& c = GetParam();
    RunningProgram program;
    ASSERT_TRUE(OpenOwnerless(program, c.open));
    AskToClose(program, c.ask);
    std::optional<Box> question;
    ASSERT_TRUE(WaitFor([&] {
        question = program.WaitForBox(L"Kalvora 5.0.9", 100ms);
        return question && question->text == L"Přejete si ukončit?";
    }));
    EXPECT_EQ(question->owner, program.MainWindow());
    EXPECT_EQ(question->buttons, (std::vector<std::wstring>{L"&Ano", L"&Ne"}));
    program.Answer(*question, IDYES);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(WhateverIsOpen, CloseQuestion,
                         testing::Values(CloseCase{"EndMenu", Ask::EndMenu, Open::Nothing},
                                         CloseCase{"CloseBox", Ask::CloseBox, Open::Nothing},
                                         CloseCase{"AltF4", Ask::AltF4, Open::Nothing},
                                         CloseCase{"EndWithHelpWindow", Ask::EndMenu, Open::HelpWindow},
                                         CloseCase{"CloseWithHelpWindow", Ask::CloseBox, Open::HelpWindow},
                                         CloseCase{"EndWithHelpTextBox", Ask::EndMenu, Open::HelpTextBox},
                                         CloseCase{"EndWithMixingMessage", Ask::EndMenu,
                                                   Open::MixingMessage}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CloseQuestion, NeChangesNothing) {
    RunningProgram program;
    HWND form = program.WaitForChild(L"Proud");
    ASSERT_NE(form, nullptr);
    program.SetText(Control(form, 107), L"12");
    PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
    const auto question = program.WaitForBox(L"Kalvora 5.0.9");
    ASSERT_TRUE(question);
    program.Answer(*question, IDNO);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(question->window); }));
    Sleep(300);
    EXPECT_TRUE(program.Running());
    EXPECT_TRUE(IsWindowVisible(program.MainWindow()));
    EXPECT_EQ(TextOf(Control(form, 107)), L"12");
}

TEST(Geometry, ResizingLaysOutTheColumnsBetweenToolbarAndStatusBar) {
    RunningProgram program;
    HWND main = program.MainWindow();
    ASSERT_NE(program.WaitForChild(L"Proud"), nullptr);
    SetWindowPos(main, nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    const int toolbar = WindowRectOf(GetDlgItem(main, 179)).bottom - WindowRectOf(GetDlgItem(main, 179)).top;
    const RECT client = ClientRectOf(main);
    ASSERT_TRUE(WaitFor([&] {
        HWND form = program.VisibleForm();
        return form && WindowRectOf(form).right - WindowRectOf(form).left == client.right - 190;
    }));
    HWND panel = program.Panel();
    POINT panelOrigin{WindowRectOf(panel).left, WindowRectOf(panel).top};
    ScreenToClient(main, &panelOrigin);
    EXPECT_EQ(panelOrigin.x, 0);
    EXPECT_EQ(panelOrigin.y, toolbar);
    EXPECT_EQ(WindowRectOf(panel).right - WindowRectOf(panel).left, 170);
}

TEST(Geometry, LiquidMixingWidensTheWindowAndStornoRestoresIt) {
    RunningProgram program;
    HWND main = program.MainWindow();
    const RECT before = WindowRectOf(main);
    HWND form = program.OpenTopic(1604, 258, L"Roztoky kapalin");
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(WaitFor([&] { return WindowRectOf(main).right - WindowRectOf(main).left == 660; }));
    const RECT widened = WindowRectOf(main);
    EXPECT_EQ(widened.left, before.left);
    EXPECT_EQ(widened.top, before.top);
    EXPECT_EQ(widened.bottom - widened.top, before.bottom - 40);
    // The form stands at its creation place in the new client area.
    POINT origin{WindowRectOf(form).left, WindowRectOf(form).top};
    ScreenToClient(main, &origin);
    EXPECT_EQ(origin.x, 190);
    EXPECT_EQ(origin.y, 43);
    EXPECT_EQ(WindowRectOf(form).bottom - WindowRectOf(form).top, ClientRectOf(main).bottom - 60);

    program.Click(Control(form, 2));
    ASSERT_TRUE(WaitFor([&] {
        const RECT now = WindowRectOf(main);
        return EqualRect(&before, &now) != FALSE;
    }));
    EXPECT_FALSE(IsWindowVisible(form));

    // Opened again and left by switching, the window stays widened.
    ASSERT_NE(program.OpenTopic(1604, 258, L"Roztoky kapalin"), nullptr);
    ASSERT_TRUE(WaitFor([&] { return WindowRectOf(main).right - WindowRectOf(main).left == 660; }));
    ASSERT_NE(program.OpenTopic(1600, 0, L"Proud"), nullptr);
    EXPECT_EQ(WindowRectOf(main).right - WindowRectOf(main).left, 660);
}

}  // namespace
}  // namespace kalvora::win32::test
