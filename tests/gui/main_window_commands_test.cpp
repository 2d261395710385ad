// SPDX-License-Identifier: MIT
// The menu and toolbar commands: switching fields, the help texts and pages, outside programs,
// the About box and ending the program.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include "calc/catalogue.h"
#include "config/contact_addresses.h"
#include "desktop_fakes.h"
#include "main_window_fixture.h"
#include "model/memory_status.h"
#include "model/shell_data.h"
#include "qt/forms/calculator_form.h"
#include "qt/panels/topic_panel.h"

namespace kalvora::testing {

namespace {

constexpr int kNoCommand = 4242;

QAction* MenuAction(QMainWindow& window, int id) {
    for (QAction* popup : window.menuBar()->actions())
        for (QAction* item : popup->menu()->actions())
            if (item->data().toInt() == id) return item;
    return nullptr;
}

// A field command from a menu item and one from a toolbar button (the model's switching tests
// check every field's command; the walk clicks every field's button).
TEST_F(MainWindowTest, FieldCommandsReplacePanelFormsAndHelpWindow) {
    struct Row {
        const char* name;
        const FieldCommand& command;
        bool fromToolbar;
        bool formHidden;  // hidden by Esc, which closes the help window, before the command
    };
    const Row rows[] = {{"menu, form shown", kFieldCommands[1], false, false},
                        {"button, form hidden", kFieldCommands[2], true, true}};
    Show();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // Before: the mechanics panel and the gravitational acceleration with its help window.
        window->RunCommand(command::kElectrical + 2);
        ClickPanelLabel(229);
        QPointer<QWidget> panel = OpenPanel();
        QPointer<QWidget> form = ActiveForm();
        ASSERT_FALSE(form.isNull());
        QTest::mouseClick(form->findChild<QWidget*>("ctl230"), Qt::LeftButton);
        QPointer<QWidget> help = HelpWindow();
        ASSERT_FALSE(help.isNull());
        if (row.formHidden) {
            QTest::keyClick(form->findChild<QWidget*>("ctl107"), Qt::Key_Escape);
            ASSERT_FALSE(form->isVisible());
            ASSERT_TRUE(help.isNull());
        }
        const int pictureBefore = HelpPicture();

        if (row.fromToolbar)
            ClickToolbarButton(row.command.buttonId);
        else
            MenuAction(*window, row.command.menuId)->trigger();

        EXPECT_TRUE(panel.isNull());
        EXPECT_TRUE(form.isNull());
        EXPECT_TRUE(help.isNull());
        EXPECT_EQ(HelpPicture(), row.command.helpBitmapId.value_or(pictureBefore));

        ASSERT_NE(OpenPanel(), nullptr);
        EXPECT_EQ(window->State().panel->field, row.command.field);
        EXPECT_TRUE(OpenPanel()->isVisible());
        EXPECT_EQ(OpenPanel()->parentWidget(), Client());
        EXPECT_EQ(Client()->findChildren<TopicPanel*>(Qt::FindDirectChildrenOnly).size(), 1);

        // The field's first form, and no other.
        QWidget* first = FormOf(row.command.firstFormSlug);
        ASSERT_NE(first, nullptr);
        EXPECT_TRUE(first->isVisible());
        EXPECT_EQ(Client()->findChildren<CalculatorForm*>(Qt::FindDirectChildrenOnly).size(), 1);
        EXPECT_TRUE(boxes.empty());
    }
}

TEST_F(MainWindowTest, ChoosingTheOpenFieldAgainGivesAFreshPanelAndForm) {
    Show();
    QPointer<QWidget> panel = OpenPanel();
    QPointer<QWidget> form = ActiveForm();
    ASSERT_FALSE(panel.isNull());
    ASSERT_FALSE(form.isNull());
    ClickToolbarButton(1600);
    EXPECT_TRUE(panel.isNull());
    EXPECT_TRUE(form.isNull());
    EXPECT_NE(OpenPanel(), nullptr);
    EXPECT_NE(FormOf("current"), nullptr);
}

TEST_F(MainWindowTest, OnlineHelpOpensTheHelpPageFromTheDataFolder) {
    QFile page(QDir(dataDir.path()).filePath("kalvora-napoveda.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html></html>");
    page.close();
    testing_support::UrlRecorder recorder;
    Show();
    ClickToolbarButton(1607);
    ASSERT_EQ(recorder.urls.size(), 1u);
    EXPECT_EQ(recorder.urls[0], QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));

    // Without the page nothing opens and nothing is reported.
    ASSERT_TRUE(page.remove());
    ClickToolbarButton(1607);
    EXPECT_EQ(recorder.urls.size(), 1u);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowTest, MailButtonOpensANewMessageToTheAuthor) {
    testing_support::UrlRecorder recorder;
    Show();
    ClickToolbarButton(1610);
    ASSERT_EQ(recorder.urls.size(), 1u);
    EXPECT_EQ(recorder.urls[0].scheme(), "mailto");
    EXPECT_EQ(recorder.urls[0], QUrl(QString::fromUtf8(config::kAuthorMailUrl)));
}

// A command's memory refresh reaches the status bar (which commands ask for one, even one the
// program does not know, the model's shell tests check).
TEST_F(MainWindowTest, ACommandRefreshesTheMemoryTexts) {
    Show();
    auto* total = window->findChild<QLabel*>("statusTotalMemory");
    auto* available = window->findChild<QLabel*>("statusAvailableMemory");
    const QString totalBefore = total->text(), availableBefore = available->text();
    memory = {std::uint64_t(4000 + kNoCommand) << 10, std::uint64_t(kNoCommand) << 10};
    window->RunCommand(kNoCommand);  // no event processing in between: the timer cannot have run
    EXPECT_NE(total->text(), totalBefore);
    EXPECT_NE(available->text(), availableBefore);
    EXPECT_EQ(total->text(), QString::fromStdString(TotalMemoryText(memory)));
    EXPECT_EQ(available->text(), QString::fromStdString(AvailableMemoryText(memory)));
}

class FakeProgramsTest : public MainWindowTest {
protected:
    testing_support::FakePrograms programs;
};

#if defined(Q_OS_LINUX)
TEST_F(FakeProgramsTest, EditorAndCalculatorButtonsStartTheInstalledPrograms) {
    struct Row {
        const char* name;
        int id;
        QString program;
    };
    for (const Row& row : {Row{"text editor", 1608, "mousepad"}, Row{"calculator", 1609, "galculator"}}) {
        SCOPED_TRACE(row.name);
        programs.Add(row.program);
        Show();
        ClickToolbarButton(row.id);
        EXPECT_TRUE(programs.WaitUntilRan(row.program));
        window.reset();
    }
}

TEST_F(FakeProgramsTest, MissingEditorAndCalculatorAreSilentlyIgnored) {
    Show();
    ClickToolbarButton(1608);
    ClickToolbarButton(1609);
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(window->isVisible());
}
#endif

TEST_F(MainWindowTest, AboutShowsTitleCreditAndIcon) {
    Show();
    MenuAction(*window, 112)->trigger();
    // The box is modal to the main window and does not wait: it is on screen now.
    QPointer<QDialog> dialog = window->findChild<QDialog*>("aboutDialog");
    ASSERT_FALSE(dialog.isNull());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(dialog->windowTitle(), "Kalvora 5.0.9");
    EXPECT_EQ(dialog->parentWidget(), window.get());
    QString credit;
    bool hasIcon = false;
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->text() ==
            QString::fromUtf8(text::kAboutCredit.data(), qsizetype(text::kAboutCredit.size())))
            credit = label->text();
        if (!label->pixmap().isNull()) hasIcon = true;
    }
    EXPECT_EQ(credit, QString::fromUtf8("Kalvora – kalkulačka pro fyziku a elektrotechniku"));
    EXPECT_TRUE(hasIcon);
    dialog->accept();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull()) << "closed, the box goes";
}

TEST_F(MainWindowTest, ClosingAsksAndOnlyYesEnds) {
    struct Row {
        const char* name;
        bool fromMenu;  // "END(&X)" or the window's close box
        platform::MessageAnswer answer;
        bool closes;
    };
    // Each way of asking and each answer once; the question and what each answer does are the
    // model's shell tests' subject.
    for (const Row& row : {Row{"close box, No", false, platform::MessageAnswer::No, false},
                           Row{"END, Yes", true, platform::MessageAnswer::Yes, true}}) {
        SCOPED_TRACE(row.name);
        boxes.clear();
        answer = row.answer;
        Show();
        QPointer<QWidget> form = ActiveForm();
        if (row.fromMenu)
            MenuAction(*window, 109)->trigger();
        else
            window->close();

        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].icon, MessageIcon::Question);
        EXPECT_EQ(boxes[0].buttons, platform::MessageButtons::YesNo);
        EXPECT_EQ(boxes[0].owner, window.get());
        EXPECT_EQ(window->isVisible(), !row.closes);
        if (!row.closes) {
            EXPECT_FALSE(form.isNull());
            EXPECT_TRUE(form->isVisible());
        }
        window.reset();
    }
}

}  // namespace
}  // namespace kalvora::testing
