// SPDX-License-Identifier: MIT
// The calculator frame on the Ohm's-law forms: opening, computing, the input error, Storno,
// Help, the dialog keys.
#include "qt/forms/calculator_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <ostream>

#include "calc/catalogue.h"
#include "form_panel_fixture.h"
#include "model/geometry.h"
#include "qt/forms/qt_rect.h"
#include "qt/platform/dialog_units.h"

namespace kalvora {
namespace {

using testing_support::ClientAreaTest;

class CalculatorFormTest : public ClientAreaTest {
protected:
    QWidget* Open(std::string_view slug) {
        form_ = OpenSlot(window->SlotOf(slug));
        return form_;
    }
    template <typename T = QWidget>
    T* Ctl(const char* name) const {
        T* widget = form_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString Result() const { return Ctl<QLineEdit>("ctl111")->text(); }
    void Type(const char* control, const char* text) {
        QTest::keyClicks(Ctl(control), QString::fromUtf8(text));
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    QWidget* form_ = nullptr;
};

TEST_F(CalculatorFormTest, TitleIsPaintedInBlueAtTheTopLeft) {
    ASSERT_NE(Open("current"), nullptr);
    const QImage image = form_->grab().toImage();
    // The title's cell starts at (10, 10) of the client area, inside the 4-pixel frame.
    const QPoint title = form_->contentsRect().topLeft() + QPoint(10, 10);
    int blueInTitle = 0, blueElsewhere = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == QColor(0, 0, 255))
                ++(y >= title.y() && y < title.y() + 18 + 6 && x >= title.x() && x < title.x() + 70
                       ? blueInTitle
                       : blueElsewhere);
    EXPECT_GT(blueInTitle, 20);
    EXPECT_EQ(blueElsewhere, 0);
    image.save(testing_support::ScreenshotFolder() + QStringLiteral("/current_form.png"));
}

// The form keeps its place (x 190 to the right edge) with the sizing frame of its template
// inside that rectangle; its controls keep their template positions in the client area inside
// the frame, and are cut off at the frame as a client area cuts off its children.
TEST_F(CalculatorFormTest, FormStandsInItsSizingFrame) {
    ASSERT_NE(Open("current"), nullptr);
    ASSERT_EQ(form_->geometry(), ToQRect(CreationLayout(client().width(), client().height()).form));
    const QRect client = form_->contentsRect();
    EXPECT_EQ(client, form_->rect().adjusted(4, 4, -4, -4));
    const platform::BaseUnits base = platform::DialogBaseUnits(form_->font());
    QWidget* result = Ctl("ctl111");
    EXPECT_EQ(QRect(result->mapTo(form_, QPoint()), result->size()),
              platform::DialogRectToPixels(68, 53, 54, 12, base).translated(client.topLeft()));
    const QImage image = form_->grab().toImage();
    const QPalette& palette = form_->palette();
    const int middle = image.height() / 2;
    for (const auto& [x, role] :
         {std::pair{0, QPalette::Midlight}, std::pair{1, QPalette::Light}, std::pair{2, QPalette::Button},
          std::pair{image.width() - 1, QPalette::Shadow}, std::pair{image.width() - 2, QPalette::Dark}})
        EXPECT_EQ(image.pixel(x, middle), palette.color(role).rgb()) << "x " << x;
    // A control reaching past the client area stops at the frame.
    Ctl("ctl2")->move(client.width() - 10, Ctl("ctl2")->y());
    const QImage moved = form_->grab().toImage();
    EXPECT_EQ(moved.pixel(moved.width() - 1, client.top() + Ctl("ctl2")->geometry().center().y()),
              palette.color(QPalette::Shadow).rgb());
}

// Enter and a click on OK compute in the walk over every form; the keypad's Enter does too.
TEST_F(CalculatorFormTest, KeypadEnterComputes) {
    ASSERT_NE(Open("voltage"), nullptr);
    Type("ctl107", "0.02");
    Type("ctl106", "2");
    Press(Qt::Key_Enter, Qt::KeypadModifier);
    const std::string_view texts[] = {"0.02", "2"};
    EXPECT_EQ(Result().toStdString(), Evaluate(*FindForm("voltage"), texts).results.at(0));
}

// The form's message reaches the screen as the core words it, owned by the form; the result on
// screen stays (that it stays is the model's rule, tested there).
TEST_F(CalculatorFormTest, InputErrorKeepsThePreviousResultAndIsOwnedByTheForm) {
    ASSERT_NE(Open("current"), nullptr);
    Type("ctl107", "12");
    Type("ctl106", "3");
    Press(Qt::Key_Return);
    const std::string_view good[] = {"12", "3"}, bad[] = {"12", "0"};
    const QString result = QString::fromStdString(Evaluate(*FindForm("current"), good).results.at(0));
    ASSERT_EQ(Result(), result);

    Ctl<QLineEdit>("ctl106")->setText("0");
    Press(Qt::Key_Return);
    EXPECT_EQ(Result(), result);
    const Message message = Evaluate(*FindForm("current"), bad).message.value();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption.toStdString(), message.caption);
    EXPECT_EQ(boxes[0].text.toStdString(), message.text);
    EXPECT_EQ(boxes[0].owner, form_);
    EXPECT_EQ(boxes[0].icon, message.icon);
    EXPECT_EQ(boxes[0].buttons, platform::MessageButtons::Ok);
}

TEST_F(CalculatorFormTest, EscapeHidesTheFormWhichStaysInItsSlot) {
    ASSERT_NE(Open("current"), nullptr);
    QPointer<QWidget> form = form_;
    Press(Qt::Key_Escape);
    EXPECT_FALSE(form_->isVisible());
    EXPECT_EQ(FormOf("current"), form_);
    ClickPanelLabel(198);  // the next opening destroys it
    EXPECT_TRUE(form.isNull());
}

TEST_F(CalculatorFormTest, StornoClosesTheHelpWindowAndHidesTheForm) {
    ASSERT_NE(Open("resistance"), nullptr);
    QTest::mouseClick(Ctl("ctl230"), Qt::LeftButton);
    EXPECT_EQ(HelpPicture(), 2004);
    QPointer<QWidget> help = HelpWindow();
    ASSERT_FALSE(help.isNull());
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Nápověda k tématu");
    EXPECT_EQ(help->parentWidget(), nullptr);

    QTest::mouseClick(Ctl("ctl2"), Qt::LeftButton);
    EXPECT_TRUE(help.isNull());
    EXPECT_FALSE(form_->isVisible());
}

TEST_F(CalculatorFormTest, EnterOnAFocusedButtonPressesThatButton) {
    ASSERT_NE(Open("current"), nullptr);
    Ctl("ctl2")->setFocus();
    Press(Qt::Key_Return);
    EXPECT_FALSE(form_->isVisible());
}

struct KeypadCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* typed;

    friend void PrintTo(const KeypadCase& c, std::ostream* os) { *os << c.name; }
};

class KeypadTest : public CalculatorFormTest, public ::testing::WithParamInterface<KeypadCase> {};

TEST_P(KeypadTest, KeypadDecimalTypesAPoint) {
    ASSERT_NE(Open("current"), nullptr);
    Type("ctl107", "1");
    Press(GetParam().key, GetParam().modifiers);
    Type("ctl107", "5");
    EXPECT_EQ(Ctl<QLineEdit>("ctl107")->text(), GetParam().typed);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeypadTest,
    ::testing::Values(KeypadCase{"KeypadComma", Qt::Key_Comma, Qt::KeypadModifier, "1.5"},
                      KeypadCase{"KeypadPeriod", Qt::Key_Period, Qt::KeypadModifier, "1.5"},
                      KeypadCase{"MainComma", Qt::Key_Comma, Qt::NoModifier, "1,5"}),
    [](const auto& info) { return std::string(info.param.name); });

// A click into the form or the focus in one of its controls tells the program that the form is
// the active calculator.
TEST_F(CalculatorFormTest, FocusOrClickMakesTheFormTheActiveCalculator) {
    ASSERT_NE(Open("current"), nullptr);
    QSignalSpy activated(qobject_cast<CalculatorForm*>(form_), &CalculatorForm::activated);
    ASSERT_TRUE(activated.isValid());
    QTest::mouseClick(Ctl("ctl106"), Qt::LeftButton);
    const qsizetype afterClick = activated.count();
    EXPECT_GE(afterClick, 1);
    Ctl("ctl1")->setFocus();
    EXPECT_GT(activated.count(), afterClick);
    EXPECT_EQ(ActiveForm(), form_);
}

}  // namespace
}  // namespace kalvora
