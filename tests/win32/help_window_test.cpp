// SPDX-License-Identifier: MIT
// The help window: opened by Help without owner, with the form's own picture or with the one its
// opener stored, closed by OK, Storno and switching, not by Esc. That every picture decodes is
// checked in embedded_picture_test.cpp, which picture each form shows in the model's tests.
#include <gtest/gtest.h>

#include "model/shell_data.h"
#include "topics.h"
#include "wide_text.h"

namespace kalvora::win32::test {
namespace {

HWND WaitForHelpWindow(const RunningProgram& program) {
    HWND help = nullptr;
    WaitFor([&] {
        for (HWND window : program.OtherTopLevelWindows())
            if (TextOf(window) == Widen(text::kHelpWindowTitle) && GetDlgItem(window, kHelpPicture))
                help = window;
        return help != nullptr;
    });
    return help;
}

// Share of pixels in the picture frame that differ from the frame's background.
double DrawnShare(HWND help) {
    HWND frame = GetDlgItem(help, kHelpPicture);
    const RECT client = ClientRectOf(frame);
    const COLORREF background = GetSysColor(COLOR_BTNFACE);
    int drawn = 0, all = 0;
    for (int y = 2; y < client.bottom - 2; y += 3)
        for (int x = 2; x < client.right - 2; x += 3, ++all)
            if (PixelAt(frame, x, y) != background) ++drawn;
    return all ? double(drawn) / all : 0;
}

class HelpPictures : public testing::TestWithParam<HelpAction> {};

// For each kind of Help button: the first form that has it.
TEST_P(HelpPictures, HelpShowsThePictureCentred) {
    const FormDefinition* definition =
        FirstForm([](const FormDefinition& f) { return f.help == GetParam(); });
    ASSERT_NE(definition, nullptr);
    RunningProgram program;
    HWND form = OpenForm(program, *definition);
    ASSERT_NE(form, nullptr);
    program.Click(Control(form, HelpButtonOf(*definition)));
    HWND help = WaitForHelpWindow(program);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(GetWindow(help, GW_OWNER), nullptr);
    EXPECT_EQ(GetParent(help), nullptr);
    EXPECT_TRUE(IsWindowEnabled(program.MainWindow()));
    EXPECT_TRUE(WaitFor([&] { return DrawnShare(help) > 0.01; })) << "no picture in the frame";
    program.Click(Control(help, IDOK));
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(help); }));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, HelpPictures,
                         testing::Values(HelpAction::StorePicture, HelpAction::ShowStored),
                         [](const auto& info) {
                             return std::string(info.param == HelpAction::StorePicture ? "OwnPicture"
                                                                                       : "StoredPicture");
                         });

TEST(HelpWindow, EscKeepsItStornoAndSwitchingCloseIt) {
    const FormDefinition& start = StartForm();
    RunningProgram program;
    HWND form = program.WaitForChild(Widen(start.title));
    ASSERT_NE(form, nullptr);
    program.Click(Control(form, HelpButtonOf(start)));
    HWND help = WaitForHelpWindow(program);
    ASSERT_NE(help, nullptr);
    program.Key(Control(help, IDOK), VK_ESCAPE);
    // The form still takes typing while the help window is open; the key typed after Esc shows
    // once Esc has been handled.
    HWND input = Control(form, start.inputs.front().controlId);
    program.Type(input, L'1');
    ASSERT_TRUE(WaitFor([&] { return TextOf(input) == L"1"; }));
    EXPECT_TRUE(IsWindowVisible(help));
    program.Click(Control(form, start.cancelId));
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(help) && !IsWindowVisible(form); }));

    form = OpenForm(program, start);
    ASSERT_NE(form, nullptr);
    program.Click(Control(form, HelpButtonOf(start)));
    help = WaitForHelpWindow(program);
    ASSERT_NE(help, nullptr);
    program.Command(kFieldCommands.back().buttonId);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(help); }));
}

}  // namespace
}  // namespace kalvora::win32::test
