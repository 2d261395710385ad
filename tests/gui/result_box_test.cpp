// SPDX-License-Identifier: MIT
// Results a person can read, see whole and copy: the result box on its own, then in the forms.
#include "qt/forms/result_box.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <memory>

#include "calc/catalogue.h"
#include "form_panel_fixture.h"

namespace kalvora {
namespace {

// The positions of the text at the left and right ends of the box's inside, once the box has
// been painted (painting decides the scrolling).
std::pair<int, int> PositionsInView(ResultBox& box) {
    box.grab();
    const QRect inside = box.contentsRect();
    return {box.cursorPositionAt(QPoint(inside.left() + 3, inside.center().y())),
            box.cursorPositionAt(QPoint(inside.right() - 3, inside.center().y()))};
}

// Whether the box shows the beginning of its text (its first character at the left) but not
// its end.
bool ShowsBeginningOnly(ResultBox& box) {
    const auto [left, right] = PositionsInView(box);
    return left == 0 && right < box.text().size();
}

QString CopyWithKeyboard(ResultBox& box) {
    QApplication::clipboard()->clear();
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, box.rect().center());
    EXPECT_EQ(QApplication::focusWidget(), &box) << "a click gives the box the keyboard";
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
    return QApplication::clipboard()->text();
}

// The context menu's action with this standard shortcut.
QAction* MenuAction(const QMenu& menu, QKeySequence::StandardKey key) {
    const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
    for (QAction* action : menu.actions())
        if (action->text().section(QLatin1Char('\t'), 1) == shortcut) return action;
    return nullptr;
}

class ResultBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_.resize(300, 100);
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }
    ResultBox& Box(const QString& text, int width,
                   Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop) {
        box_ = std::make_unique<ResultBox>(text, edges::kBorder, alignment, &window_);
        box_->setGeometry(10, 10, width, 24);
        box_->setAccessibleName(QStringLiteral("Proud I (Amper) ="));
        box_->show();
        return *box_;
    }

    QWidget window_;
    std::unique_ptr<ResultBox> box_;
};

// A text that fits is centred (or left-aligned where the template says so) and has no tooltip;
// a longer one shows its beginning, whatever the alignment, and its tooltip holds it whole.
TEST_F(ResultBoxTest, ShowsItsBeginningWhenTooLongAndCentresWhatFits) {
    struct Case {
        const char* text;
        Qt::Alignment alignment;
    };
    for (const Case c :
         {Case{"4.00000", Qt::AlignHCenter}, Case{"4.00000", Qt::AlignLeft},
          Case{"-1592356687.89809", Qt::AlignHCenter}, Case{"-1592356687.89809", Qt::AlignLeft}}) {
        SCOPED_TRACE(std::string(c.text) + (c.alignment == Qt::AlignLeft ? " left" : " centred"));
        ResultBox& box = Box(QStringLiteral("0.00"), 95, c.alignment);
        box.setText(QString::fromLatin1(c.text));
        const int textWidth = box.fontMetrics().horizontalAdvance(box.text());
        const QRect inside = box.contentsRect();
        const bool fits = textWidth + 4 <= inside.width();
        ASSERT_EQ(box.TextFits(), fits);
        EXPECT_EQ(box.toolTip(), fits ? QString() : box.text());
        if (fits) {
            // The whole text is in view, centred where the template centres it.
            EXPECT_EQ(PositionsInView(box), std::make_pair(0, int(box.text().size())));
            const int start = c.alignment == Qt::AlignHCenter
                                  ? inside.left() + (inside.width() - textWidth) / 2
                                  : inside.left() + 2;
            EXPECT_NEAR(box.cursorPositionAt(QPoint(start + textWidth / 2, inside.center().y())),
                        box.text().size() / 2, 1);
        } else {
            EXPECT_TRUE(ShowsBeginningOnly(box)) << "the sign and the leading digits are in view";
        }
        // Widened until it fits, the box drops the tooltip.
        box.resize(textWidth + 40, box.height());
        EXPECT_TRUE(box.TextFits());
        EXPECT_EQ(box.toolTip(), QString());
    }
}

TEST_F(ResultBoxTest, CopiesExactlyTheShownTextAndStaysReadOnly) {
    for (const char* text : {"4.00000", "-1592356687.89809"}) {
        SCOPED_TRACE(text);
        ResultBox& box = Box(QString::fromLatin1(text), 95);
        // The keyboard: select all and copy takes the whole text, also the part scrolled away.
        EXPECT_EQ(CopyWithKeyboard(box), box.text());
        // Typing, deleting and pasting change nothing.
        QApplication::clipboard()->setText(QStringLiteral("999"));
        QTest::keyClicks(&box, QStringLiteral("12"));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box.text(), QString::fromLatin1(text));
        // The context menu offers Copy and Select All, nothing that would change the text: once
        // to select all, once more to copy.
        QApplication::clipboard()->clear();
        box.deselect();
        for (QKeySequence::StandardKey key : {QKeySequence::SelectAll, QKeySequence::Copy}) {
            std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
            QAction* chosen = MenuAction(*menu, key);
            ASSERT_NE(chosen, nullptr);
            EXPECT_TRUE(chosen->isEnabled());
            for (QAction* action : menu->actions())
                EXPECT_TRUE(action == chosen || action == MenuAction(*menu, QKeySequence::SelectAll) ||
                            action == MenuAction(*menu, QKeySequence::Copy) || action->isSeparator())
                    << action->text().toStdString();
            chosen->trigger();
        }
        EXPECT_EQ(QApplication::clipboard()->text(), box.text());
    }
}

TEST_F(ResultBoxTest, MouseSelectsTheText) {
    ResultBox& box = Box(QStringLiteral("4.00000"), 95);
    const int y = box.height() / 2;
    QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, QPoint(2, y));
    QTest::mouseMove(&box, QPoint(box.width() / 2, y));
    QTest::mouseMove(&box, QPoint(box.width() - 2, y));
    QTest::mouseRelease(&box, Qt::LeftButton, Qt::NoModifier, QPoint(box.width() - 2, y));
    EXPECT_EQ(box.selectedText(), "4.00000");
    // A double click selects the whole number, not only the digits on one side of its point.
    box.deselect();
    QTest::mouseDClick(&box, Qt::LeftButton, Qt::NoModifier, box.rect().center());
    EXPECT_EQ(box.selectedText(), "4.00000");
}

// A screen reader gets the caption as the name and the shown text as the value, through the
// text interface too, and learns that the text cannot be changed.
TEST_F(ResultBoxTest, ScreenReadersGetTheCaptionAndTheText) {
    ResultBox& box = Box(QStringLiteral("0.00"), 95);
    box.setText(QStringLiteral("4.00000"));
    QAccessibleInterface* result = QAccessible::queryAccessibleInterface(&box);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->text(QAccessible::Name), "Proud I (Amper) =");
    EXPECT_EQ(result->text(QAccessible::Value), "4.00000");
    ASSERT_NE(result->textInterface(), nullptr);
    EXPECT_EQ(result->textInterface()->text(0, result->textInterface()->characterCount()), "4.00000");
    EXPECT_TRUE(result->state().readOnly);
}

class FormResultTest : public testing_support::OpenFormTest {
protected:
    // Opens the form `slug`, types `texts` into its inputs in reading order and presses Enter;
    // gives the results the core computes from them.
    std::vector<std::string> Compute(std::string_view slug, const std::vector<std::string_view>& texts) {
        Open(slug);
        const FormDefinition& form = *FindForm(slug);
        for (std::size_t i = 0; i < texts.size(); ++i)
            QTest::keyClicks(Ctl(form.inputs[i].controlId),
                             QString::fromUtf8(texts[i].data(), qsizetype(texts[i].size())));
        QTest::keyClick(Ctl(form.inputs.front().controlId), Qt::Key_Return);
        return Evaluate(form, texts).results;
    }
};

// Capacitor 100 Hz, 1e-12 F: a result wider than its field shows from its first digit, is whole
// in its tooltip and copies whole; Tab from it goes on to the next tab stop of the template, and
// the result shows its first digits again.
TEST_F(FormResultTest, WideCapacitorResultShowsItsFirstDigitsAndCopiesWhole) {
    const QString text = QString::fromStdString(Compute("capacitor-reactance", {"100", "1e-12"}).at(0));
    auto* result = Ctl<ResultBox>(111);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->text(), text);
    EXPECT_FALSE(result->TextFits());
    EXPECT_EQ(result->toolTip(), text);
    EXPECT_TRUE(ShowsBeginningOnly(*result));
    EXPECT_EQ(CopyWithKeyboard(*result), text);
    QTest::keyClick(result, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Ctl(107));
    EXPECT_TRUE(ShowsBeginningOnly(*result)) << "left alone again, the result shows its first digits";
    form_->grab().save(testing_support::ScreenshotFolder() + QStringLiteral("/capacitor_wide_result.png"));
}

// The liquid-mixing results are read-only edits: left-aligned on the face colour, "litres to
// add" with the dialog frame around its sunken edge, the total with the sunken edge alone.
TEST_F(FormResultTest, LiquidMixingResultsLookLikeReadOnlyEdits) {
    const std::vector<std::string> texts = Compute("liquid-mixing", {"1e30", "20", "40", "80"});
    struct Row {
        int id;
        std::string text;
        std::vector<QPalette::ColorRole> edge;  // the rings from the outside in
    };
    const std::vector<Row> rows{
        {1200,
         texts.at(0),
         {QPalette::Midlight, QPalette::Light, QPalette::Button, QPalette::Dark, QPalette::Shadow}},
        {1205, texts.at(1), {QPalette::Dark, QPalette::Shadow}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        auto* result = Ctl<ResultBox>(row.id);
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(result->text().toStdString(), row.text);
        EXPECT_TRUE(result->isReadOnly());
        EXPECT_EQ(result->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        EXPECT_TRUE(ShowsBeginningOnly(*result));
        EXPECT_EQ(result->toolTip().toStdString(), row.text);
        const QImage image = result->grab().toImage();
        const int y = image.height() / 2;
        for (std::size_t ring = 0; ring < row.edge.size(); ++ring)
            EXPECT_EQ(image.pixel(int(ring), y), result->palette().color(row.edge[ring]).rgb())
                << "ring " << ring;
        const QRgb face = result->palette().color(QPalette::Window).rgb();
        EXPECT_EQ(result->palette().color(QPalette::Base).rgb(), face);
        EXPECT_EQ(image.pixel(image.width() / 2, int(row.edge.size())), face) << "grey inside the edge";
    }
    form_->grab().save(testing_support::ScreenshotFolder() + QStringLiteral("/liquid_mixing_results.png"));
}

}  // namespace
}  // namespace kalvora
