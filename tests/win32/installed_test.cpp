// SPDX-License-Identifier: MIT
// The program as the installer put it in place: run when KALVORA_INSTALLED_PROGRAM names it
// (scripts/test-windows.sh does after a silent install).
#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include "model/shell_data.h"
#include "topics.h"
#include "view.h"
#include "wide_text.h"

namespace kalvora::win32::test {
namespace {

TEST(Installed, StartsWithItsStripAndEndsOnAno) {
    wchar_t installed[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"KALVORA_INSTALLED_PROGRAM", installed, MAX_PATH))
        GTEST_SKIP() << "KALVORA_INSTALLED_PROGRAM not set";
    wchar_t elsewhere[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, elsewhere);
    // Started from another folder, as a shortcut may: the strip is found beside the program.
    RunningProgram program(elsewhere, installed);
    ASSERT_NE(program.MainWindow(), nullptr);
    EXPECT_NE(program.WaitForChild(Widen(StartForm().title)), nullptr);
    const auto boxes = program.BoxesBeforeNextCommand();
    ASSERT_TRUE(boxes);
    EXPECT_TRUE(boxes->empty()) << "the toolbar strip was not found";
    const ToolbarButton& last = kToolbarButtons.back();
    EXPECT_EQ(SendMessageW(GetDlgItem(program.MainWindow(), kToolbarId), TB_GETBITMAP, last.commandId, 0),
              LRESULT(kToolbarButtons.size() - 1));
    PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
    const auto question = program.WaitForBox(Widen(text::kProgramTitle));
    ASSERT_TRUE(question);
    program.Answer(*question, IDYES);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace kalvora::win32::test
