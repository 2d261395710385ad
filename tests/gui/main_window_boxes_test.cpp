// SPDX-License-Identifier: MIT
// The real message boxes as the main window shows them: on screen without waiting for their
// answer, modal to the main window where the program gives them an owner, and each answer
// reaching the program.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "main_window_fixture.h"

namespace kalvora::testing {
namespace {

class RealBoxTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        platform::SetMessageBoxHandler({});
    }
    void TearDown() override {
        for (QMessageBox* box : Boxes()) delete box;
        MainWindowTest::TearDown();
    }

    static QList<QMessageBox*> Boxes() {
        QList<QMessageBox*> boxes;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) boxes.append(box);
        return boxes;
    }
};

TEST_F(RealBoxTest, AFormsBoxIsModalToTheMainWindowAndItsAnswerReachesTheProgram) {
    Show();
    QWidget* form = ActiveForm();
    QTest::mouseClick(form->findChild<QWidget*>("ctl1"), Qt::LeftButton);  // OK with empty inputs
    // The click has returned: the box waits on screen, and so does the program.
    ASSERT_EQ(Boxes().size(), 1);
    QMessageBox* box = Boxes().front();
    EXPECT_EQ(box->text(), QString::fromUtf8("Zadejte do pole číslici"));
    EXPECT_EQ(box->parentWidget(), form);
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    ASSERT_EQ(window->State().boxes.size(), 1u);

    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    EXPECT_TRUE(window->State().boxes.empty());
    EXPECT_TRUE(Boxes().isEmpty());
}

TEST_F(RealBoxTest, ABoxWithoutOwnerLeavesTheMainWindowWorking) {
    Show();
    ClickToolbarButton(1606);  // the help text
    ASSERT_EQ(Boxes().size(), 1);
    EXPECT_EQ(Boxes().front()->windowModality(), Qt::NonModal);
    EXPECT_EQ(Boxes().front()->parentWidget(), nullptr);

    // The main window goes on: another field opens and a second help text comes.
    ClickToolbarButton(1602);
    EXPECT_EQ(window->State().panel->field, Field::Mechanics);
    EXPECT_EQ(ActiveForm(), FormOf("gravitation-law"));
    ClickToolbarButton(1606);
    EXPECT_EQ(Boxes().size(), 2);
    EXPECT_EQ(window->State().boxes.size(), 2u);
    for (QMessageBox* box : Boxes()) QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    EXPECT_TRUE(window->State().boxes.empty());
}

TEST_F(RealBoxTest, TheCloseQuestionIsAskedOnceAndNeLeavesEverything) {
    Show();
    window->close();
    window->RunCommand(109);  // END(&X) while the question waits
    ASSERT_EQ(Boxes().size(), 1);
    QMessageBox* question = Boxes().front();
    EXPECT_EQ(question->windowModality(), Qt::WindowModal);
    EXPECT_EQ(question->parentWidget(), window.get());
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(question->button(QMessageBox::No), Qt::LeftButton);
    EXPECT_TRUE(window->State().boxes.empty());
    EXPECT_FALSE(window->State().ended);
    EXPECT_TRUE(window->isVisible());
    EXPECT_NE(ActiveForm(), nullptr);
}

// Esc in a box and Enter and Esc in the help window go by the program's rule: Esc answers the
// help text's OK but leaves the close question waiting; only Enter closes the help window.
TEST_F(RealBoxTest, KeysInTheProgramsOwnWindowsGoByItsRule) {
    Show();
    ClickToolbarButton(1606);
    window->close();
    ASSERT_EQ(Boxes().size(), 2);
    for (QMessageBox* box : Boxes()) QTest::keyClick(box, Qt::Key_Escape);
    ASSERT_EQ(window->State().boxes.size(), 1u);
    EXPECT_EQ(window->State().boxes.front().purpose, BoxPurpose::CloseQuestion);
    QTest::mouseClick(Boxes().front()->button(QMessageBox::No), Qt::LeftButton);

    QTest::mouseClick(ActiveForm()->findChild<QWidget*>("ctl230"), Qt::LeftButton);
    ASSERT_NE(HelpWindow(), nullptr);
    QTest::keyClick(HelpWindow()->findChild<QWidget*>("ctl1"), Qt::Key_Escape);
    EXPECT_TRUE(window->State().helpWindowOpen);
    QTest::keyClick(HelpWindow()->findChild<QWidget*>("ctl1"), Qt::Key_Return);
    EXPECT_FALSE(window->State().helpWindowOpen);
    EXPECT_EQ(HelpWindow(), nullptr);
}

}  // namespace
}  // namespace kalvora::testing

namespace kalvora::testing {
namespace {

TEST_F(RealBoxTest, AMissingStripIsToldBeforeTheMainWindowAppears) {
    QTemporaryDir empty;
    bool windowShownMeanwhile = true;
    QString text;
    // The box waits for its answer while the window is being built; answer it from the event loop.
    QTimer::singleShot(0, [&] {
        const QList<QMessageBox*> boxes = Boxes();
        ASSERT_EQ(boxes.size(), 1);
        text = boxes.front()->text();
        windowShownMeanwhile = window != nullptr;
        QTest::mouseClick(boxes.front()->button(QMessageBox::Ok), Qt::LeftButton);
    });
    Create({empty.path()});
    EXPECT_FALSE(windowShownMeanwhile);
    EXPECT_TRUE(text.startsWith("Není ve složce programu"));
    EXPECT_TRUE(window->State().boxes.empty());
    EXPECT_FALSE(window->State().toolbarPictures);
}

}  // namespace
}  // namespace kalvora::testing
