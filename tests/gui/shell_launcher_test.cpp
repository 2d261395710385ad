// SPDX-License-Identifier: MIT
// Starting outside programs: the first one installed, detached, with its arguments, no shell.
#include <gtest/gtest.h>

#include "desktop_fakes.h"
#include "qt/platform/launcher.h"

namespace kalvora::platform {
namespace {

#if defined(Q_OS_UNIX)
class LauncherTest : public ::testing::Test {
protected:
    testing_support::FakePrograms programs;
};

TEST_F(LauncherTest, StartsTheFirstInstalledChoiceWithItsArguments) {
    for (const char* name : {"second", "third", "afterwards"}) programs.Add(name);
    const std::vector<ProgramChoice> choices{
        {"first", {}}, {"second", {"-a", "two words", "$HOME;true"}}, {"third", {}}};
    EXPECT_TRUE(StartFirstAvailable(choices));
    // A program started once the list has returned: when it has run, what the list started has run.
    EXPECT_TRUE(StartFirstAvailable(std::vector<ProgramChoice>{{"afterwards", {}}}));
    ASSERT_TRUE(programs.WaitUntilRan("afterwards"));
    EXPECT_EQ(programs.Ran(), QStringList({"second", "afterwards"}));
    // Arguments reach the program as they are: no shell splits or expands them.
    EXPECT_EQ(programs.Arguments("second"), "-a two words $HOME;true");
}

TEST_F(LauncherTest, NothingInstalledStartsNothing) {
    const std::vector<ProgramChoice> choices{{"first", {}}, {"second", {}}};
    EXPECT_FALSE(StartFirstAvailable(choices));
    EXPECT_FALSE(StartFirstAvailable({}));
}

TEST_F(LauncherTest, EveryDesktopProgramOfTheListsIsFoundOnThePath) {
    for (const auto* list : {&TextEditors(), &Calculators()}) {
        ASSERT_FALSE(list->empty());
        // Only the last choice installed: the search walks the whole list to reach it.
        const QString last = list->back().program;
        programs.Add(last);
        EXPECT_TRUE(StartFirstAvailable(*list));
        EXPECT_TRUE(programs.WaitUntilRan(last)) << last.toStdString();
    }
}
#endif

}  // namespace
}  // namespace kalvora::platform
