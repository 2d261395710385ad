// SPDX-License-Identifier: MIT
// Starting outside programs: the first one installed, detached, with its arguments, no shell.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "qt/platform/launcher.h"

namespace kalvora::platform {
namespace {

#if defined(Q_OS_UNIX)
class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bin.isValid());
        savedPath_ = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("PATH", savedPath_); }

    // A program that writes its arguments into <name>.ran.
    void AddProgram(const QString& name) {
        QFile script(QDir(bin.path()).filePath(name));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\necho \"$@\" > '%1.tmp' && /bin/mv '%1.tmp' '%1'\n")
                         .arg(Marker(name))
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString Marker(const QString& name) const { return QDir(bin.path()).filePath(name + ".ran"); }
    QString Ran(const QString& name) const {
        QFile marker(Marker(name));
        return marker.open(QIODevice::ReadOnly) ? QString::fromUtf8(marker.readAll()).trimmed() : QString();
    }

    QTemporaryDir bin;

private:
    QByteArray savedPath_;
};

TEST_F(LauncherTest, StartsTheFirstInstalledChoiceWithItsArguments) {
    AddProgram("second");
    AddProgram("third");
    const std::vector<ProgramChoice> choices{
        {"first", {}}, {"second", {"-a", "two words", "$HOME;true"}}, {"third", {}}};
    EXPECT_TRUE(StartFirstAvailable(choices));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(Marker("second")); }, 5000));
    // Arguments reach the program as they are: no shell splits or expands them.
    EXPECT_EQ(Ran("second"), "-a two words $HOME;true");
    QTest::qWait(200);
    EXPECT_FALSE(QFile::exists(Marker("third")));
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
        AddProgram(last);
        EXPECT_TRUE(StartFirstAvailable(*list));
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(Marker(last)); }, 5000)) << last.toStdString();
    }
}
#endif

}  // namespace
}  // namespace kalvora::platform
