// SPDX-License-Identifier: MIT
// Pictures of the main window with every form and of the help window, for a person to look at
// and for comparing two versions: taken when KALVORA_SCREENSHOTS names a folder
// (scripts/test-windows.sh sets it). One picture a form, named form-<slug>.bmp.
#include <gtest/gtest.h>

#include "topics.h"

namespace kalvora::win32::test {
namespace {

TEST(Screenshots, MainWindowWithEveryForm) {
    wchar_t folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"KALVORA_SCREENSHOTS", folder, MAX_PATH))
        GTEST_SKIP() << "KALVORA_SCREENSHOTS not set";
    RunningProgram program;
    for (const FormDefinition* definition : Catalogue()) {
        HWND form = OpenForm(program, *definition);
        ASSERT_NE(form, nullptr) << definition->slug;
        const std::wstring slug(definition->slug.begin(), definition->slug.end());
        EXPECT_TRUE(SaveScreenshot(program.MainWindow(), std::wstring(folder) + L"\\form-" + slug + L".bmp"));
    }
    const FormDefinition& start = StartForm();
    HWND form = OpenForm(program, start);
    ASSERT_NE(form, nullptr);
    program.Click(Control(form, HelpButtonOf(start)));
    ASSERT_TRUE(WaitFor([&] { return !program.OtherTopLevelWindows().empty(); }));
    EXPECT_TRUE(SaveScreenshot(program.OtherTopLevelWindows().front(), std::wstring(folder) + L"\\help.bmp"));
}

}  // namespace
}  // namespace kalvora::win32::test
