// SPDX-License-Identifier: MIT
// The program as the installer put it in place: run when KALVORA_INSTALLED_PROGRAM names it
// (scripts/test-windows.sh does after a silent install).
#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include "program_driver.h"

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
    EXPECT_NE(program.WaitForChild(L"Proud"), nullptr);
    EXPECT_FALSE(program.WaitForBox(L"Kalvora 5.0.9", 1000ms)) << "the toolbar strip was not found";
    EXPECT_EQ(SendMessageW(GetDlgItem(program.MainWindow(), 179), TB_GETBITMAP, 1605, 0), 5);
    PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
    const auto question = program.WaitForBox(L"Kalvora 5.0.9");
    ASSERT_TRUE(question);
    program.Answer(*question, IDYES);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace kalvora::win32::test
