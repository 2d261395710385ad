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
#include "main_window_fixture.h"

namespace kalvora::testing {
namespace {

// The topic panel of each field as the menu lists it: topics first, then the links.
struct FieldTopics {
    const char* name;
    int menuId;
    std::vector<const char*> topics;
    std::vector<const char*> links;
};

const std::vector<FieldTopics>& AllFieldTopics() {
    static const std::vector<FieldTopics> fields{
        {"Electrical",
         209,
         {"Proud", "Napětí", "Odpor", "Cívka", "Kondenzátor", "Transformátor", "Odpor vodiče",
          "Zářivka za žárovku", "Světelný tok", "Příkon spotřebiče", "Činný výkon", "Úbytek napětí"},
         {"Další programy", "kalvora@example.org"}},
        {"Thermal", 177, {"Tep.odpor stěny"}, {}},
        {"Mechanics", 211, {"Gravitační zákon", "Gravitační zrychlení", "Volný pád"}, {}},
        {"Optics", 223, {"Opt.mohutnost čočky"}, {}},
        {"GasesAndLiquids", 237, {"Aerodyn.odporová síla", "Archimédův zákon", "Mísení kapalin"}, {}},
        {"Antenna", 257, {"Půlvlnový dipol", "Koaxiální kabel"}, {}},
    };
    return fields;
}

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

TEST_F(KeyboardTest, TopicMenuListsTheOpenFieldsLabelsAfterEverySwitch) {
    Show();
    for (const FieldTopics& field : AllFieldTopics()) {
        SCOPED_TRACE(field.name);
        window->RunCommand(field.menuId);
        QStringList texts, shortcuts;
        int separators = 0;
        for (QAction* action : TopicMenu()->actions()) {
            if (action->isSeparator()) {
                ++separators;
                EXPECT_EQ(texts.size(), qsizetype(field.topics.size())) << "the links follow the topics";
                continue;
            }
            texts << action->text();
            shortcuts << action->shortcut().toString(QKeySequence::PortableText);
        }
        QStringList expectedTexts, expectedShortcuts;
        for (std::size_t i = 0; i < field.topics.size(); ++i) {
            expectedTexts << QString::fromUtf8(field.topics[i]);
            expectedShortcuts << (i < 10 ? QStringLiteral("Ctrl+%1").arg((i + 1) % 10) : QString());
        }
        for (const char* link : field.links)
            expectedTexts << QString::fromUtf8(link), expectedShortcuts << QString();
        EXPECT_EQ(texts, expectedTexts);
        EXPECT_EQ(shortcuts, expectedShortcuts);
        EXPECT_EQ(separators, field.links.empty() ? 0 : 1);
    }
}

// Every topic item does what a click on its label does: the same form, the same help picture.
TEST_F(KeyboardTest, EveryTopicItemDoesWhatItsLabelClickDoes) {
    Show();
    for (const FieldTopics& field : AllFieldTopics()) {
        window->RunCommand(field.menuId);
        for (std::size_t i = 0; i < field.topics.size(); ++i) {
            SCOPED_TRACE(field.topics[i]);
            QWidget* panel = OpenPanel();
            QLabel* label = nullptr;
            for (QLabel* candidate : panel->findChildren<QLabel*>())
                if (candidate->text() == QString::fromUtf8(field.topics[i]) ||
                    candidate->text().trimmed() == QString::fromUtf8(field.topics[i]))
                    label = candidate;
            ASSERT_NE(label, nullptr);

            QTest::mouseClick(label, Qt::LeftButton);
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
    QTest::keyClicks(Focus(), "6e24");
    QTest::keyClick(Focus(), Qt::Key_Tab);
    QTest::keyClicks(Focus(), "6.378e6");
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(ResultText(), "9.83803");
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
    QTest::keyClicks(Focus(), "60");
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(ResultText(), "16.21");

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
    QTest::keyClicks(Focus(), "2");
    QTest::keyClick(Focus(), Qt::Key_Tab);
    QTest::keyClicks(Focus(), "0.35");
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(ResultText(), "0.70");
}

}  // namespace
}  // namespace kalvora::testing

