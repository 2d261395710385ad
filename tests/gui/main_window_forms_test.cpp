// SPDX-License-Identifier: MIT
// Forms in the real main window: the voltage-drop form as the active calculator, the help window
// closed by another topic, and the liquid-mixing form that widens the main window.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include "form_panel_fixture.h"
#include "golden_examples.h"
#include "main_window_fixture.h"
#include "model/geometry.h"
#include "qt/forms/qt_rect.h"

namespace kalvora::testing {
namespace {

class FormInWindowTest : public MainWindowTest {
protected:
    QWidget* Ctl(int id) const {
        QWidget* form = ActiveForm();
        QWidget* control = form ? form->findChild<QWidget*>(QStringLiteral("ctl%1").arg(id)) : nullptr;
        EXPECT_NE(control, nullptr) << id;
        return control;
    }

    void Type(int id, const char* text) const {
        QTest::mouseClick(Ctl(id), Qt::LeftButton);
        QTest::keyClicks(Ctl(id), QString::fromUtf8(text));
    }

    static void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    // Where the model's resize layout puts the active form, between the toolbar and the status bar.
    QRect LaidOutFormRect() const {
        return ToQRect(ResizeLayout(Client()->width(), Client()->height(), Toolbar()->height(),
                                    window->findChild<QStatusBar*>("statusBar")->height())
                           .form);
    }
};

TEST_F(FormInWindowTest, VoltageDropFormIsTheActiveCalculator) {
    Show();
    ClickPanelLabel(169);
    QWidget* form = ActiveForm();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form, FormOf("voltage-drop"));

    // The resize layout moves it with the window.
    window->resize(760, 660);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->geometry(), LaidOutFormRect());

    // Tab, Enter and Esc reach it.
    const testing_support::WorkedExample example = testing_support::FirstExample("voltage-drop");
    ASSERT_EQ(example.texts.size(), 2);
    Type(107, example.texts[0].toUtf8().constData());
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Ctl(106));
    QTest::keyClicks(QApplication::focusWidget(), example.texts[1]);
    Press(Qt::Key_Return);
    EXPECT_EQ(qobject_cast<QLineEdit*>(Ctl(111))->text(), example.results.value(0));
    Press(Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}

// Another topic, or the same topic afresh, closes the help window (a field command closes it
// too: the commands test checks that with the command's other work).
TEST_F(FormInWindowTest, SwitchingTopicClosesTheHelpWindow) {
    struct Row {
        const char* name;
        int fieldButton;
        int topicLabel;
        int next;  // the label that switches
    };
    Show();
    for (const Row& row : {Row{"capacitor, then the coil topic", 1600, 152, 151},
                           Row{"lens, then the lens topic afresh", 1603, 299, 299}}) {
        SCOPED_TRACE(row.name);
        ClickToolbarButton(row.fieldButton);
        ClickPanelLabel(row.topicLabel);
        QTest::mouseClick(Ctl(230), Qt::LeftButton);
        QPointer<QWidget> help = HelpWindow();
        ASSERT_FALSE(help.isNull());
        ASSERT_TRUE(help->isVisible());
        ClickPanelLabel(row.next);
        EXPECT_TRUE(help.isNull());
    }
}

class LiquidMixingWindowTest : public FormInWindowTest {
protected:
    void OpenMixing() {
        if (!OpenPanel() || window->State().panel->field != Field::GasesAndLiquids) ClickToolbarButton(1604);
        ClickPanelLabel(258);
        ASSERT_EQ(ActiveForm(), FormOf("liquid-mixing"));
    }
    // The widened window the model gives for `frame` (its own tests check the rule).
    static QRect Widened(const QRect& frame) {
        const Rect widened =
            WidenedWindowRect(Rect::FromSize(frame.x(), frame.y(), frame.width(), frame.height()));
        return {widened.left, widened.top, widened.width(), widened.height()};
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
        EXPECT_EQ(ActiveForm()->geometry(),
                  ToQRect(CreationLayout(Client()->width(), Client()->height()).form));
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

// The form's messages (the core's tests check which) reach the screen without an owner.
TEST_F(LiquidMixingWindowTest, MessagesHaveNoOwnerAndLeaveTheResultsEmpty) {
    const FormDefinition& form = *FindForm("liquid-mixing");
    Show();
    OpenMixing();
    for (const std::vector<std::string_view>& texts :
         {std::vector<std::string_view>{"", "", "", ""},
          std::vector<std::string_view>{"10", "20", "10", "30"}}) {
        const Message expected = *Evaluate(form, texts).message;
        SCOPED_TRACE(expected.text);
        boxes.clear();
        for (std::size_t i = 0; i < texts.size(); ++i) {
            auto* edit = qobject_cast<QLineEdit*>(Ctl(form.inputs[i].controlId));
            edit->clear();
            QTest::keyClicks(edit, QString::fromUtf8(texts[i].data(), qsizetype(texts[i].size())));
        }
        QTest::mouseClick(Ctl(form.okId), Qt::LeftButton);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption.toStdString(), expected.caption);
        EXPECT_EQ(boxes[0].text.toStdString(), expected.text);
        EXPECT_EQ(boxes[0].icon, expected.icon);
        EXPECT_EQ(boxes[0].buttons, platform::MessageButtons::Ok);
        EXPECT_FALSE(boxes[0].hadOwner) << "the main window stays usable";
        EXPECT_TRUE(window->isEnabled());
        for (int id : form.resultIds) EXPECT_EQ(qobject_cast<QLineEdit*>(Ctl(id))->text(), "") << "no result";
    }
}

}  // namespace
}  // namespace kalvora::testing
