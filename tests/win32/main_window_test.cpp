// SPDX-License-Identifier: MIT
// The main window as it opens, its menu, toolbar, status bar and gauge, and the switching
// between fields and topics.
#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include "program_driver.h"

namespace kalvora::win32::test {
namespace {

POINT ClientOrigin(HWND parent, HWND child) {
    POINT p{WindowRectOf(child).left, WindowRectOf(child).top};
    ScreenToClient(parent, &p);
    return p;
}

// The status bar's part edges and texts, read through a buffer in the program's memory as the
// status bar writes them there.
std::vector<int> StatusPartEdges(const RunningProgram& program, HWND status) {
    std::vector<int> edges(2);
    RemoteCall(program.ProcessId(), status, SB_GETPARTS, 2, edges.data(), edges.size() * sizeof(int));
    return edges;
}

std::wstring StatusPartText(const RunningProgram& program, HWND status, int part) {
    std::vector<wchar_t> text(256);
    RemoteCall(program.ProcessId(), status, SB_GETTEXTW, WPARAM(part), text.data(),
               text.size() * sizeof(wchar_t));
    return text.data();
}

HWND ChildOfClass(HWND parent, const wchar_t* className) {
    return FindWindowExW(parent, nullptr, className, nullptr);
}

TEST(MainWindow, OpensWithPanelGaugeFormAndStatusTexts) {
    RunningProgram program;
    HWND main = program.MainWindow();
    EXPECT_EQ(TextOf(main), L"Kalvora 5.0.9");
    const RECT outer = WindowRectOf(main);
    EXPECT_EQ(outer.right - outer.left, 580);
    EXPECT_EQ(outer.bottom - outer.top, 600);
    EXPECT_EQ(outer.left, GetSystemMetrics(SM_CXSCREEN) / 2 - 275);
    EXPECT_EQ(outer.top, 50);

    HWND panel = program.WaitForChild(L"Elektro");
    HWND form = program.WaitForChild(L"Proud");
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(form, nullptr);
    const int clientHeight = ClientRectOf(main).bottom;
    EXPECT_EQ(ClientOrigin(main, panel).x, 0);
    EXPECT_EQ(ClientOrigin(main, panel).y, 43);
    EXPECT_EQ(WindowRectOf(panel).right - WindowRectOf(panel).left, 170);
    EXPECT_EQ(WindowRectOf(panel).bottom - WindowRectOf(panel).top, clientHeight - 60);
    EXPECT_EQ(ClientOrigin(main, form).x, 190);
    EXPECT_EQ(WindowRectOf(form).right - WindowRectOf(form).left, ClientRectOf(main).right - 190);

    HWND gauge = ChildOfClass(main, PROGRESS_CLASSW);
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(ClientOrigin(main, gauge).x, 171);
    EXPECT_EQ(ClientOrigin(main, gauge).y, 45);
    EXPECT_EQ(WindowRectOf(gauge).right - WindowRectOf(gauge).left, 18);
    EXPECT_TRUE(GetWindowLongW(gauge, GWL_STYLE) & PBS_VERTICAL);

    HWND status = ChildOfClass(main, STATUSCLASSNAMEW);
    ASSERT_NE(status, nullptr);
    const std::vector<int> edges = StatusPartEdges(program, status);
    ASSERT_EQ(edges.size(), 2u);
    EXPECT_EQ(edges[0], 170);
    EXPECT_EQ(edges[1], -1);
    const std::wstring total = StatusPartText(program, status, 0);
    const std::wstring available = StatusPartText(program, status, 1);
    EXPECT_EQ(total.rfind(L"RAM CELKEM = ", 0), 0u) << testing::PrintToString(total);
    EXPECT_EQ(available.rfind(L"VOLNE =", 0), 0u) << testing::PrintToString(available);
    EXPECT_EQ(total.substr(total.size() - 3), L" KB");
}

TEST(MainWindow, ToolbarHasElevenButtonsAndThreeSeparators) {
    RunningProgram program;
    HWND toolbar = GetDlgItem(program.MainWindow(), 179);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 14);
    for (int id = 1600; id <= 1610; ++id)
        EXPECT_NE(SendMessageW(toolbar, TB_COMMANDTOINDEX, id, 0), -1) << id;
    EXPECT_EQ(SendMessageW(toolbar, TB_COMMANDTOINDEX, 1606, 0), 7);
    EXPECT_EQ(SendMessageW(toolbar, TB_COMMANDTOINDEX, 1608, 0), 10);
    EXPECT_EQ(SendMessageW(toolbar, TB_COMMANDTOINDEX, 1610, 0), 13);
    // Button i shows picture i of the strip.
    for (int i = 0; i < 11; ++i) EXPECT_EQ(SendMessageW(toolbar, TB_GETBITMAP, 1600 + i, 0), i);
}

struct FieldCase {
    int menuId;
    int buttonId;
    const wchar_t* panel;
    const wchar_t* firstForm;
};

class Fields : public testing::TestWithParam<FieldCase> {};

TEST_P(Fields, MenuAndButtonOpenThePanelAndItsFirstForm) {
    const FieldCase& c = GetParam();
    RunningProgram program;
    for (int command : {c.menuId, c.buttonId}) {
        // Even the field on screen is opened anew.
        HWND form = program.OpenTopic(command, 0, c.firstForm);
        ASSERT_NE(form, nullptr) << command;
        EXPECT_EQ(TextOf(program.Panel()), c.panel);
        EXPECT_EQ(program.VisibleForm(), form);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SixFields, Fields,
    testing::Values(FieldCase{209, 1600, L"Elektro", L"Proud"},
                    FieldCase{177, 1601, L"Termo", L"Tepelný odpor stěny"},
                    FieldCase{211, 1602, L"Mechanika", L"Newtonův gravitační zákon"},
                    FieldCase{223, 1603, L"Optika", L"Optická mohutnost čočky(dioptrie)"},
                    FieldCase{237, 1604, L"Mechanika plynů a kapalin", L"Aerodynamiká odporová síla"},
                    FieldCase{257, 1605, L"Anténa", L"Půlvlnový dipól"}));

TEST(Switching, LabelReplacesTheFormAndDoubleClickOpensItTwice) {
    RunningProgram program;
    HWND current = program.WaitForChild(L"Proud");
    ASSERT_NE(current, nullptr);
    program.SetText(Control(current, 107), L"12");
    program.Click(Control(program.Panel(), 199));  // "Odpor"
    HWND resistance = program.WaitForChild(L"Odpor");
    ASSERT_NE(resistance, nullptr);
    EXPECT_FALSE(IsWindow(current));
    // Clicking the label of the open form gives a fresh one; a double click opens it twice.
    program.SetText(Control(resistance, 107), L"230");
    program.DoubleClick(Control(program.Panel(), 199));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(resistance) && program.FindChild(L"Odpor"); }));
    EXPECT_EQ(TextOf(Control(program.FindChild(L"Odpor"), 107)), L"");
}

}  // namespace
}  // namespace kalvora::win32::test
