// SPDX-License-Identifier: MIT
// The system message boxes the program shows, their owners, and the dialog keys of a form.
#include <gtest/gtest.h>

#include "program_driver.h"

namespace kalvora::win32::test {
namespace {

struct BoxCase {
    const char* name;
    int fieldCommand;
    int label;
    const wchar_t* title;
    std::vector<std::pair<int, const wchar_t*>> inputs;
    const wchar_t* caption;
    const wchar_t* text;
    bool ownedByForm;  // otherwise no owner: the main window stays usable
};

class Messages : public testing::TestWithParam<BoxCase> {};

TEST_P(Messages, ShowTheirTextAndLeaveTheResult) {
    const BoxCase& c = GetParam();
    RunningProgram program;
    HWND form = program.OpenTopic(c.fieldCommand, c.label, c.title);
    ASSERT_NE(form, nullptr);
    for (const auto& [id, text] : c.inputs) program.SetText(Control(form, id), text);
    const int resultId = Control(form, 111) ? 111 : 1200;
    const std::wstring before = TextOf(Control(form, resultId));
    program.Click(Control(form, 1));
    const auto box = program.WaitForBox(c.caption);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, c.text);
    EXPECT_EQ(box->buttons, std::vector<std::wstring>{L"OK"});
    if (c.ownedByForm) {
        EXPECT_EQ(box->owner, program.MainWindow());
        EXPECT_FALSE(IsWindowEnabled(program.MainWindow()));
    } else {
        EXPECT_EQ(box->owner, nullptr);
        EXPECT_TRUE(IsWindowEnabled(program.MainWindow()));
    }
    program.Answer(*box, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box->window); }));
    EXPECT_TRUE(IsWindowEnabled(program.MainWindow()));
    EXPECT_EQ(TextOf(Control(form, resultId)), before);
}

INSTANTIATE_TEST_SUITE_P(
    OwnMessages, Messages,
    testing::Values(
        BoxCase{"InputError", 1600, 0, L"Proud", {{107, L"12"}}, L"chyba", L"Zadejte do pole číslici", true},
        BoxCase{"BulbLimit",
                1600,
                155,
                L"Zářivka za žárovku",
                {{107, L"200.5"}},
                L"Chyba",
                L"Počítá jen do příkonu 200 Watt ",
                true},
        BoxCase{"WallNoDigit",
                1601,
                0,
                L"Tepelný odpor stěny",
                {{207, L"abc"}},
                L"chyba",
                L"Text neobsahuje číslici",
                true},
        BoxCase{"MixingEmpty",
                1604,
                258,
                L"Roztoky kapalin",
                {},
                L"Error - Zadání:Edit 1",
                L"Zadána neplatná hodnota",
                false},
        BoxCase{"MixingCannotRaise",
                1604,
                258,
                L"Roztoky kapalin",
                {{1202, L"10"}, {1203, L"20"}, {1204, L"40"}, {1206, L"30"}},
                L"Error",
                L"Nelze zýšit koncentraci ředěním,\nnebo zvýšit teplotu chlazením",
                false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Messages, ToolbarHelpTextHasNoOwner) {
    RunningProgram program;
    program.Command(1606);
    const auto box = program.WaitForBox(L"Kalvora 5.0.9");
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text.rfind(L"Z menu si vybereme požadovaný výpočet", 0), 0u);
    EXPECT_EQ(box->owner, nullptr);
    // The main window stays usable: a field command works while the box is open.
    EXPECT_TRUE(IsWindowEnabled(program.MainWindow()));
    program.Command(1602);
    EXPECT_NE(program.WaitForChild(L"Newtonův gravitační zákon"), nullptr);
    program.Answer(*box, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box->window); }));
}

TEST(Keys, EnterComputesEscHidesTabMoves) {
    RunningProgram program;
    HWND form = program.WaitForChild(L"Proud");
    ASSERT_NE(form, nullptr);
    HWND voltage = Control(form, 107);
    program.SetText(voltage, L"12");
    program.SetText(Control(form, 106), L"3");
    program.Key(voltage, VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return TextOf(Control(form, 111)) == L"4.00000"; }));
    // Tab from the first input reaches the second.
    GUITHREADINFO focus{};
    focus.cbSize = sizeof focus;
    const DWORD thread = GetWindowThreadProcessId(program.MainWindow(), nullptr);
    program.Key(voltage, VK_TAB);
    EXPECT_TRUE(WaitFor([&] {
        GetGUIThreadInfo(thread, &focus);
        return focus.hwndFocus == Control(form, 106);
    }));
    program.Key(Control(form, 106), VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(form); }));
    EXPECT_TRUE(IsWindow(form)) << "Storno hides the form; it stays until the next switch";
}

TEST(Keys, EscLeavesTheLensFormOpenAndEnterComputes) {
    RunningProgram program;
    HWND form = program.OpenTopic(1603, 0, L"Optická mohutnost čočky(dioptrie)");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(TextOf(Control(form, 306)), L"sklo 1.5");
    EXPECT_EQ(TextOf(Control(form, 300)), L"vzduch 1");
    program.SetText(Control(form, 301), L"0.1");
    program.SetText(Control(form, 302), L"-0.1");
    program.Key(Control(form, 302), VK_ESCAPE);
    program.Key(Control(form, 302), VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return TextOf(Control(form, 111)) == L"0.000"; }));
    EXPECT_TRUE(IsWindowVisible(form));
}

}  // namespace
}  // namespace kalvora::win32::test
