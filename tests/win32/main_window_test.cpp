// SPDX-License-Identifier: MIT
// The main window as it opens, its menu, toolbar, status bar and gauge, and the switching
// between fields and topics. Where each of them stands is checked at every scale in scale_test.cpp.
#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "model/memory_status.h"
#include "model/menu_text.h"
#include "model/panel_data.h"
#include "model/shell_data.h"
#include "topics.h"
#include "view.h"
#include "wide_text.h"

namespace kalvora::win32::test {
namespace {

// The status bar's texts, read through a buffer in the program's memory as the status bar
// writes them there.
std::wstring StatusPartText(const RunningProgram& program, HWND status, int part) {
    std::vector<wchar_t> text(256);
    RemoteCall(program.ProcessId(), status, SB_GETTEXTW, WPARAM(part), text.data(),
               text.size() * sizeof(wchar_t));
    return text.data();
}

HWND ChildOfClass(HWND parent, const wchar_t* className) {
    return FindWindowExW(parent, nullptr, className, nullptr);
}

// The name of a field's panel window: its menu item's text.
std::wstring PanelTitle(const FieldCommand& field) {
    return Widen(WithoutMnemonicHint(field.menuText));
}

TEST(MainWindow, OpensWithPanelGaugeFormAndStatusTexts) {
    RunningProgram program;
    HWND main = program.MainWindow();
    EXPECT_EQ(TextOf(main), Widen(text::kProgramTitle));
    EXPECT_NE(program.WaitForChild(PanelTitle(kFieldCommands.front())), nullptr);
    EXPECT_NE(program.WaitForChild(Widen(StartForm().title)), nullptr);
    HWND gauge = ChildOfClass(main, PROGRESS_CLASSW);
    ASSERT_NE(gauge, nullptr);
    EXPECT_TRUE(GetWindowLongW(gauge, GWL_STYLE) & PBS_VERTICAL);

    // The status texts are the model's for this machine's memory: the total exactly, the
    // available memory (which changes) in the same form.
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    ASSERT_TRUE(GlobalMemoryStatusEx(&memory));
    HWND status = ChildOfClass(main, STATUSCLASSNAMEW);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(StatusPartText(program, status, 0),
              Widen(TotalMemoryText(MemoryFigures{memory.ullTotalPhys, 0})));
    const std::wstring available = StatusPartText(program, status, 1);
    const std::size_t digits = available.find_first_of(L"0123456789");
    ASSERT_NE(digits, std::wstring::npos) << testing::PrintToString(available);
    const std::uint64_t kilobytes = std::stoull(available.substr(digits));
    EXPECT_EQ(available, Widen(AvailableMemoryText(MemoryFigures{memory.ullTotalPhys, kilobytes << 10})));
}

TEST(MainWindow, ToolbarHasItsButtonsAndSeparators) {
    RunningProgram program;
    HWND toolbar = GetDlgItem(program.MainWindow(), kToolbarId);
    ASSERT_NE(toolbar, nullptr);
    // The buttons in strip order, then each separator inserted at its position.
    std::vector<int> order;
    for (const ToolbarButton& button : kToolbarButtons) order.push_back(button.commandId);
    for (int position : kSeparatorPositions) order.insert(order.begin() + position, 0);
    EXPECT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), LRESULT(order.size()));
    for (std::size_t i = 0; i < kToolbarButtons.size(); ++i) {
        const int id = kToolbarButtons[i].commandId;
        const auto index = std::find(order.begin(), order.end(), id) - order.begin();
        EXPECT_EQ(SendMessageW(toolbar, TB_COMMANDTOINDEX, id, 0), index) << id;
        // Button i shows picture i of the strip.
        EXPECT_EQ(SendMessageW(toolbar, TB_GETBITMAP, id, 0), LRESULT(i)) << id;
    }
}

// A field's menu item opens its panel and first form, even the field on screen anew, and so does
// another field's toolbar button. Every field's commands are the model's switching tests' subject.
TEST(MainWindow, MenuAndButtonOpenThePanelAndItsFirstForm) {
    RunningProgram program;
    for (const auto& [field, command] : {std::pair{kFieldCommands.front(), kFieldCommands.front().menuId},
                                         std::pair{kFieldCommands.back(), kFieldCommands.back().buttonId}}) {
        HWND form = program.OpenTopic(command, 0, Widen(FindForm(field.firstFormSlug)->title));
        ASSERT_NE(form, nullptr) << command;
        EXPECT_EQ(TextOf(program.Panel()), PanelTitle(field));
        EXPECT_EQ(program.VisibleForm(), form);
    }
}

TEST(Switching, LabelReplacesTheFormAndDoubleClickOpensItTwice) {
    const FormDefinition& start = StartForm();
    const auto& labels = PanelFor(start.field).labels;
    const auto other = std::find_if(labels.begin(), labels.end(), [&](const PanelLabel& label) {
        return label.action == LabelAction::OpenForm && label.target != start.title;
    });
    ASSERT_NE(other, labels.end());
    const FormDefinition& next =
        *FirstForm([&](const FormDefinition& f) { return f.title == other->target; });
    const int firstInput = next.inputs.front().controlId;
    RunningProgram program;
    HWND current = program.WaitForChild(Widen(start.title));
    ASSERT_NE(current, nullptr);
    program.SetText(Control(current, start.inputs.front().controlId), L"12");
    program.Click(Control(program.Panel(), other->id));
    HWND opened = program.WaitForChild(Widen(next.title));
    ASSERT_NE(opened, nullptr);
    EXPECT_FALSE(IsWindow(current));
    // Clicking the label of the open form gives a fresh one; a double click opens it twice.
    program.SetText(Control(opened, firstInput), L"230");
    program.DoubleClick(Control(program.Panel(), other->id));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(opened) && program.FindChild(Widen(next.title)); }));
    EXPECT_EQ(TextOf(Control(program.FindChild(Widen(next.title)), firstInput)), L"");
}

}  // namespace
}  // namespace kalvora::win32::test
