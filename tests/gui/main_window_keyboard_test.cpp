// SPDX-License-Identifier: MIT
// The program used with the keyboard alone: the field menu, the topic menu with its shortcuts,
// typing into the opened form and reading its result.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "config/contact_addresses.h"
#include "desktop_fakes.h"
#include "golden_examples.h"
#include "main_window_fixture.h"
#include "model/panel_data.h"
#include "model/shell_data.h"

namespace kalvora::testing {
namespace {

class KeyboardTest : public MainWindowTest {
protected:
    void ShowActive() {
        Show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QMenu* TopicMenu() const { return window->findChild<QMenu*>("menuTopics"); }
    QWidget* Focus() const { return QApplication::focusWidget(); }
    QString ResultText() const {
        auto* result = ActiveForm()->findChild<QLineEdit*>("ctl111");
        return result ? result->text() : QString();
    }
    // Opens a menu of the menu bar with its Alt key and waits until it is on screen.
    QMenu* OpenMenuWithAlt(Qt::Key key, const char* menuName) {
        QTest::keyClick(window.get(), key, Qt::AltModifier);
        auto* menu = window->findChild<QMenu*>(menuName);
        EXPECT_TRUE(menu && QTest::qWaitFor([&] { return menu->isVisible(); }, 2000)) << menuName;
        return menu;
    }
};

// The menu shows the model's topic items of the field on screen: text, separator, shortcut.
TEST_F(KeyboardTest, TopicMenuListsTheOpenFieldsLabelsAfterEverySwitch) {
    Show();
    for (const FieldCommand& field : kFieldCommands) {
        SCOPED_TRACE(std::string(field.name));
        window->RunCommand(field.menuId);
        QStringList shown, expected;
        for (QAction* action : TopicMenu()->actions())
            shown << (action->isSeparator()
                          ? QStringLiteral("-")
                          : action->text() + u'\t' + action->shortcut().toString(QKeySequence::PortableText));
        for (const TopicMenuItem& item : TopicMenuItems(PanelFor(field.field))) {
            if (item.separatorBefore) expected << QStringLiteral("-");
            expected << QString::fromStdString(item.text) + u'\t' +
                            (item.shortcutDigit ? QStringLiteral("Ctrl+%1").arg(*item.shortcutDigit)
                                                : QString());
        }
        EXPECT_EQ(shown, expected);
    }
}

// Every topic item does what a click on its label does: the same form, the same help picture.
TEST_F(KeyboardTest, EveryTopicItemDoesWhatItsLabelClickDoes) {
    Show();
    for (const FieldCommand& field : kFieldCommands) {
        window->RunCommand(field.menuId);
        const std::vector<PanelLabel>& labels = PanelFor(field.field).labels;
        for (std::size_t i = 0; i < labels.size() && labels[i].action == LabelAction::OpenForm; ++i) {
            SCOPED_TRACE(labels[i].id);
            ClickPanelLabel(labels[i].id);
            const QString clickedForm = ActiveForm()->objectName();
            const int clickedPicture = HelpPicture();
            window->RunCommand(field.menuId);  // the field afresh, as before the click

            QPointer<QWidget> before = ActiveForm();
            TopicMenu()->actions()[qsizetype(i)]->trigger();
            EXPECT_TRUE(before.isNull()) << "the open form is destroyed first";
            EXPECT_EQ(ActiveForm()->objectName(), clickedForm);
            EXPECT_EQ(HelpPicture(), clickedPicture);
        }
    }
}

// The panel's links in the menu open their addresses, as their labels do, and leave the form.
TEST_F(KeyboardTest, LinkItemsOpenTheirAddressesAndLeaveTheForm) {
    Show();
    testing_support::UrlRecorder sink;
    QPointer<QWidget> form = ActiveForm();
    for (const char* name : {"actionTopic202", "actionTopic203"}) {
        QAction* item = window->findChild<QAction*>(name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_TRUE(item->shortcut().isEmpty()) << name;
        item->trigger();
    }
    EXPECT_EQ(sink.urls, std::vector<QUrl>({QUrl(QString::fromUtf8(config::kOtherProgramsUrl)),
                                            QUrl(QString::fromUtf8(config::kAuthorMailUrl))}));
    EXPECT_FALSE(form.isNull());
    EXPECT_EQ(ActiveForm(), form);
}

// The worked example of the gravitational acceleration, from start-up without the mouse.
TEST_F(KeyboardTest, AltVMechanicsCtrl2TypeEnterGivesTheAcceleration) {
    ShowActive();
    QMenu* fields = OpenMenuWithAlt(Qt::Key_V, "menuCalculations");
    ASSERT_NE(fields, nullptr);
    QTest::keyClick(fields, Qt::Key_M);  // "Mechanika(&M)"
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->State().panel->field == Field::Mechanics; }, 2000));

    QTest::keyClick(window.get(), Qt::Key_2, Qt::ControlModifier);
    ASSERT_NE(ActiveForm(), nullptr);
    EXPECT_EQ(ActiveForm()->objectName(), "form_gravitational-acceleration");
    EXPECT_EQ(HelpPicture(), 234);

    ASSERT_NE(Focus(), nullptr);
    EXPECT_TRUE(ActiveForm()->isAncestorOf(Focus())) << "typing starts in the form";
    const testing_support::WorkedExample example =
        testing_support::FirstExample("gravitational-acceleration");
    ASSERT_EQ(example.texts.size(), 2);
    QTest::keyClicks(Focus(), example.texts[0]);
    QTest::keyClick(Focus(), Qt::Key_Tab);
    QTest::keyClicks(Focus(), example.texts[1]);
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(ResultText(), example.results.value(0));
}

// The fluorescent-lamp form sets no focus when it opens; Tab then reaches its one input.
TEST_F(KeyboardTest, FormWithoutFocusAtOpenIsReachedWithTab) {
    ShowActive();
    QTest::keyClick(window.get(), Qt::Key_8, Qt::ControlModifier);
    QWidget* form = ActiveForm();
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(form->objectName(), "form_fluorescent-for-bulb");
    EXPECT_EQ(qobject_cast<QLineEdit*>(Focus()), nullptr) << "no input has the focus yet";

    QTest::keyClick(Focus() ? Focus() : window.get(), Qt::Key_Tab);
    EXPECT_EQ(Focus(), form->findChild<QLineEdit*>("ctl107"));
    const testing_support::WorkedExample example = testing_support::FirstExample("fluorescent-for-bulb");
    QTest::keyClicks(Focus(), example.texts.value(0));
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(ResultText(), example.results.value(0));

    // Esc right after opening is the form's Storno too.
    QTest::keyClick(window.get(), Qt::Key_8, Qt::ControlModifier);
    QPointer<QWidget> reopened = ActiveForm();
    ASSERT_FALSE(reopened.isNull());
    ASSERT_TRUE(reopened->isVisible());
    QTest::keyClick(Focus() ? Focus() : window.get(), Qt::Key_Escape);
    EXPECT_FALSE(reopened->isVisible());
}

// Topics beyond the tenth have no shortcut; the menu reaches them with the arrow keys.
TEST_F(KeyboardTest, TopicMenuReachesTheLastTopicWithArrowKeys) {
    ShowActive();
    QMenu* topics = OpenMenuWithAlt(Qt::Key_T, "menuTopics");
    ASSERT_NE(topics, nullptr);
    // Down through the topics to the twelfth, "Úbytek napětí".
    const QString last = QString::fromUtf8("Úbytek napětí");
    for (int i = 0; i < 12 && !(topics->activeAction() && topics->activeAction()->text() == last); ++i)
        QTest::keyClick(topics, Qt::Key_Down);
    ASSERT_NE(topics->activeAction(), nullptr);
    EXPECT_EQ(topics->activeAction()->text(), "Úbytek napětí");
    QTest::keyClick(topics, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return ActiveForm() && ActiveForm()->objectName() == "form_voltage-drop"; }, 2000));
    // Tab goes to the first input in the form's own order; the worked example then computes.
    QTest::keyClick(Focus() ? Focus() : window.get(), Qt::Key_Tab);
    EXPECT_EQ(Focus(), ActiveForm()->findChild<QLineEdit*>("ctl107"));
    const testing_support::WorkedExample example = testing_support::FirstExample("voltage-drop");
    ASSERT_EQ(example.texts.size(), 2);
    QTest::keyClicks(Focus(), example.texts[0]);
    QTest::keyClick(Focus(), Qt::Key_Tab);
    QTest::keyClicks(Focus(), example.texts[1]);
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(ResultText(), example.results.value(0));
}

}  // namespace
}  // namespace kalvora::testing
