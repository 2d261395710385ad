// SPDX-License-Identifier: MIT
// Forms in the real main window: the voltage-drop form as the active calculator, the help window
// closed by switching, and the liquid-mixing form that widens the main window.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calc/catalogue.h"
#include "form_panel_fixture.h"
#include "main_window_fixture.h"

namespace kalvora::testing {
namespace {

QWidget* Ctl(int id) {
    QWidget* form = Registry().activeCalculator;
    QWidget* control = form ? form->findChild<QWidget*>(QStringLiteral("ctl%1").arg(id)) : nullptr;
    EXPECT_NE(control, nullptr) << id;
    return control;
}

void Type(int id, const char* text) {
    QTest::mouseClick(Ctl(id), Qt::LeftButton);
    QTest::keyClicks(Ctl(id), QString::fromUtf8(text));
}

void Press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

// Where the main window's layout puts the active form: from x 190 to the right edge, between
// the toolbar and the status bar.
QRect LaidOutFormRect() {
    const QWidget* client = Registry().client;
    const int top = Registry().toolbar->height();
    return {190, top, client->width() - 190, client->height() - top - Registry().statusBar->height()};
}

TEST_F(MainWindowTest, VoltageDropFormIsTheActiveCalculator) {
    Show();
    ClickPanelLabel(169);
    QWidget* form = Registry().activeCalculator;
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form, Registry().forms[FormSlot(*FindForm("voltage-drop"))]);

    // The resize layout moves it with the window.
    window->resize(760, 660);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->geometry(), LaidOutFormRect());

    // Tab, Enter and Esc reach it.
    Type(107, "2");
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Ctl(106));
    QTest::keyClicks(QApplication::focusWidget(), "0.35");
    Press(Qt::Key_Return);
    EXPECT_EQ(qobject_cast<QLineEdit*>(Ctl(111))->text(), "0.70");
    Press(Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindowTest, SwitchingTopicOrFieldClosesTheHelpWindow) {
    struct Row {
        const char* name;
        int fieldButton;
        int topicLabel;
        bool byField;  // a field command, else another label of the same panel
        int next;      // the button or label that switches
    };
    Show();
    for (const Row& row : {Row{"coax, then the thermal field", 1605, 254, true, 1601},
                           Row{"wall, then the mechanics field", 1601, 207, true, 1602},
                           Row{"capacitor, then the coil topic", 1600, 152, false, 151},
                           Row{"lens, then the lens topic afresh", 1603, 299, false, 299}}) {
        SCOPED_TRACE(row.name);
        ClickToolbarButton(row.fieldButton);
        ClickPanelLabel(row.topicLabel);
        QTest::mouseClick(Ctl(230), Qt::LeftButton);
        QPointer<QWidget> help = Registry().helpWindow;
        ASSERT_FALSE(help.isNull());
        ASSERT_TRUE(help->isVisible());
        if (row.byField)
            ClickToolbarButton(row.next);
        else
            ClickPanelLabel(row.next);
        EXPECT_TRUE(help.isNull());
    }
}

class LiquidMixingWindowTest : public MainWindowTest {
protected:
    void OpenMixing() {
        if (!OpenPanel() || OpenPanel() != Registry().panels[std::size_t(Field::GasesAndLiquids)])
            ClickToolbarButton(1604);
        ClickPanelLabel(258);
        ASSERT_EQ(Registry().activeCalculator, Registry().forms[FormSlot(*FindForm("liquid-mixing"))]);
    }
    // The widened window: 660 wide, its height the old bottom edge (exclusive) less 40.
    static QRect Widened(const QRect& frame) {
        return {frame.x(), frame.y(), 660, frame.y() + frame.height() - 40};
    }
};

TEST_F(LiquidMixingWindowTest, WidensOnOpeningAndStornoOrEscRestoresExactly) {
    Show();
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Esc" : "Storno");
        const QRect frameBefore = window->frameGeometry();
        const QRect before = window->geometry();
        OpenMixing();
        EXPECT_EQ(window->frameGeometry(), Widened(frameBefore));
        QCoreApplication::processEvents();
        // Placed as every form places itself, in the widened client area.
        EXPECT_EQ(Registry().activeCalculator->geometry(),
                  QRect(190, 43, Client()->width() - 190, Client()->height() - 60));
        EXPECT_EQ(Client()->width(), window->width());
        window->grab().save(testing_support::ScreenshotFolder() + QStringLiteral("/mixing_widened.png"));
        if (escape)
            Press(Qt::Key_Escape);
        else
            QTest::mouseClick(Ctl(2), Qt::LeftButton);
        EXPECT_EQ(window->geometry(), before);
        EXPECT_EQ(window->frameGeometry(), frameBefore);
    }
}

TEST_F(LiquidMixingWindowTest, SwitchingTopicOrFieldLeavesItWidened) {
    Show();
    const QRect frameBefore = window->frameGeometry();
    OpenMixing();
    const QRect widened = window->frameGeometry();
    ASSERT_EQ(widened, Widened(frameBefore));
    ClickPanelLabel(248);
    EXPECT_EQ(window->frameGeometry(), widened) << "another topic of the panel";

    // Opening it again records the widened rectangle and widens from there.
    OpenMixing();
    const QRect widenedAgain = window->frameGeometry();
    EXPECT_EQ(widenedAgain, Widened(widened));
    ClickToolbarButton(1600);
    EXPECT_EQ(window->frameGeometry(), widenedAgain) << "another field";
}

TEST_F(LiquidMixingWindowTest, MessagesHaveTheirCaptionsAndIconsAndNoOwner) {
    struct Row {
        const char* name;
        const char* v0;
        const char* t0;
        const char* tt;
        const char* ta;
        const char* caption;
        const char* text;
        MessageIcon icon;
    };
    const char* empty = "Zadána neplatná hodnota";
    const Row rows[] = {
        {"all empty", "", "", "", "", "Error - Zadání:Edit 1", empty, MessageIcon::Exclamation},
        {"second empty", "10", "", "", "", "Error - Zadání:Edit 2", empty, MessageIcon::Exclamation},
        {"third empty", "10", "20", "", "80", "Error - Zadání:Edit 3", empty, MessageIcon::Exclamation},
        {"fourth empty", "10", "20", "40", "", "Error - Zadání:Edit 4", empty, MessageIcon::Exclamation},
        {"above both", "10", "20", "40", "30", "Error",
         "Nelze zýšit koncentraci ředěním,\nnebo zvýšit teplotu chlazením", MessageIcon::None},
        {"below both", "10", "20", "10", "30", "Error",
         "Nelze snížit koncentraci zahuštěním,\nnebo snížit teplotu zahříváním ", MessageIcon::None},
        {"wanted equals added", "10", "20", "30", "30", "Error - Zadání:Edit 4", "Zadána iracionální hodnota",
         MessageIcon::Exclamation},
    };
    Show();
    OpenMixing();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        boxes.clear();
        const int ids[] = {1202, 1203, 1204, 1206};
        const char* texts[] = {row.v0, row.t0, row.tt, row.ta};
        for (int i = 0; i < 4; ++i) {
            auto* edit = qobject_cast<QLineEdit*>(Ctl(ids[i]));
            edit->clear();
            QTest::keyClicks(edit, QString::fromUtf8(texts[i]));
        }
        QTest::mouseClick(Ctl(1), Qt::LeftButton);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, QString::fromUtf8(row.caption));
        EXPECT_EQ(boxes[0].text, QString::fromUtf8(row.text));
        EXPECT_EQ(boxes[0].icon, row.icon);
        EXPECT_EQ(boxes[0].buttons, platform::MessageButtons::Ok);
        EXPECT_FALSE(boxes[0].hadOwner) << "the main window stays usable";
        EXPECT_TRUE(window->isEnabled());
        EXPECT_EQ(qobject_cast<QLineEdit*>(Ctl(1200))->text(), "") << "no result";
    }
}

}  // namespace
}  // namespace kalvora::testing
