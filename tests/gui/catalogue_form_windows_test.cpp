// SPDX-License-Identifier: MIT
// Every form of the catalogue realised by the one frame, and what single forms show beyond it:
// the dipole's sketch, the conductor's material list read at OK, the mixing form's field width.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <ostream>

#include "calc/catalogue.h"
#include "form_panel_fixture.h"
#include "model/geometry.h"
#include "qt/forms/accessible_names.h"
#include "qt/forms/help_window.h"
#include "qt/forms/qt_rect.h"
#include "qt/forms/qt_text.h"
#include "qt/platform/dialog_units.h"
#include "qt/resource_paths.h"

namespace kalvora {

// Names a catalogue form by its slug in test output.
void PrintTo(const FormDefinition* form, std::ostream* os) {
    *os << form->slug;
}

namespace {

using testing_support::ClientAreaTest;

class CatalogueFormTest : public ClientAreaTest,
                          public ::testing::WithParamInterface<const FormDefinition*> {};

TEST_P(CatalogueFormTest, OpensWithItsInputsResultsListsAndFocus) {
    const FormDefinition& definition = *GetParam();
    QWidget* form = OpenSlot(window->SlotOf(definition.slug));
    ASSERT_NE(form, nullptr);
    form->grab().save(testing_support::ScreenshotFolder() +
                      QStringLiteral("/form_%1.png").arg(ToQString(definition.slug)));
    EXPECT_EQ(ActiveForm(), form);
    EXPECT_EQ(form->geometry(), ToQRect(CreationLayout(client().width(), client().height()).form));

    const auto control = [&](int id) { return form->findChild<QWidget*>(QStringLiteral("ctl%1").arg(id)); };
    for (std::size_t i = 0; i < definition.inputs.size(); ++i) {
        QWidget* input = control(definition.inputs[i].controlId);
        ASSERT_NE(input, nullptr) << definition.inputs[i].controlId;
        EXPECT_TRUE(qobject_cast<QLineEdit*>(input) || qobject_cast<QComboBox*>(input));
    }
    for (int id : definition.resultIds) {
        QWidget* result = control(id);
        ASSERT_NE(result, nullptr) << id;
        const auto* label = qobject_cast<QLabel*>(result);
        const auto* edit = qobject_cast<QLineEdit*>(result);
        ASSERT_TRUE(label || (edit && edit->isReadOnly())) << id;
        EXPECT_EQ(label ? label->text() : edit->text(), ToQString(definition.dialog.Find(id)->text)) << id;
    }
    // Every other control shows its template's text (or its relabel); the default button is the
    // one Enter presses; edits centre their text unless the template aligns it left.
    for (std::size_t i = 0; i < definition.dialog.controls.size(); ++i) {
        const ControlDefinition& c = definition.dialog.controls[i];
        QWidget* widget = form->findChild<QWidget*>(ControlObjectName(definition, i));
        ASSERT_NE(widget, nullptr) << i;
        const QString text = ToQString(definition.InitialText(c));
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), text);
            EXPECT_EQ(button->isDefault(), c.kind == ControlKind::DefaultPushButton) << c.id;
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            EXPECT_EQ(group->title(), text);
        } else if (auto* label = qobject_cast<QLabel*>(widget); label && c.kind != ControlKind::Picture) {
            EXPECT_EQ(label->text(), text) << i;
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && c.kind == ControlKind::Edit) {
            EXPECT_EQ(edit->alignment() & Qt::AlignHorizontal_Mask,
                      c.flags & kLeftAligned ? Qt::AlignLeft : Qt::AlignHCenter)
                << c.id;
        }
    }
    // The drop-down lists show the program's items in the program's order (Czech alphabetical for
    // the sorted ones, the model's list-order tests check it) with none chosen; Tab stops only at
    // those with a tab stop.
    const FormInstance& state = *window->State().forms[std::size_t(window->SlotOf(definition.slug))];
    for (const PresetList& list : definition.lists) {
        auto* combo = qobject_cast<QComboBox*>(control(list.controlId));
        ASSERT_NE(combo, nullptr) << list.controlId;
        QStringList items, expected;
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        for (const std::string& item : state.Control(list.controlId)->items)
            expected << QString::fromStdString(item);
        EXPECT_EQ(items.size(), qsizetype(list.items.size()));
        EXPECT_EQ(items, expected);
        EXPECT_EQ(combo->currentIndex(), -1);
        EXPECT_EQ(combo->focusPolicy(),
                  TakesTabStop(*definition.dialog.Find(list.controlId)) ? Qt::StrongFocus : Qt::ClickFocus);
    }
    for (const PresetText& preset : definition.presets) {
        auto* edit = qobject_cast<QLineEdit*>(control(preset.controlId));
        ASSERT_NE(edit, nullptr) << preset.controlId;
        EXPECT_EQ(edit->text(), ToQString(preset.text));
    }
    for (const PresetText& relabel : definition.relabels) {
        auto* label = qobject_cast<QLabel*>(control(relabel.controlId));
        ASSERT_NE(label, nullptr) << relabel.controlId;
        EXPECT_EQ(label->text(), ToQString(relabel.text));
    }
    if (definition.focusAtOpen)
        EXPECT_EQ(QApplication::focusWidget(), control(definition.focusId));
    else
        EXPECT_FALSE(form->isAncestorOf(QApplication::focusWidget()));

    // Every text is shown whole: one-line texts fit their width, wrapped texts their height.
    // The templates' room fits a face with Arial's metrics; another face may need more.
    if (platform::DialogFontFamily() == QStringLiteral("Liberation Sans")) {
        for (const QLabel* label : form->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            if (label->wordWrap())
                EXPECT_LE(label->heightForWidth(label->width()), label->height())
                    << label->text().toStdString();
            else
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                    << label->text().toStdString();
        }
    }

    // Tab visits every tab stop once in template order and comes back to where it started.
    std::vector<QWidget*> stops;
    for (const ControlDefinition& c : definition.dialog.controls)
        if (TakesTabStop(c))
            stops.push_back(form->findChildren<QWidget*>(QStringLiteral("ctl%1").arg(c.id)).value(0));
    ASSERT_FALSE(stops.empty());
    stops.front()->setFocus();
    for (std::size_t i = 1; i <= stops.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), stops[i % stops.size()]) << "Tab " << i;
    }
    // Shift+Tab goes back the same way.
    for (std::size_t i = stops.size(); i-- > 0;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), stops[i]) << "Shift+Tab to stop " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(All, CatalogueFormTest, ::testing::ValuesIn(Catalogue().begin(), Catalogue().end()),
                         [](const auto& info) {
                             std::string name(info.param->slug);
                             std::erase(name, '-');
                             return name;
                         });

class SingleFormTest : public testing_support::OpenFormTest {
protected:
    void Type(int id, const char* text) { QTest::keyClicks(Ctl(id), QString::fromUtf8(text)); }
    void Enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    QString Text(int id) const {
        if (auto* label = form_->findChild<QLabel*>(QStringLiteral("ctl%1").arg(id))) return label->text();
        return Ctl<QLineEdit>(id)->text();
    }
};

TEST_F(SingleFormTest, DipoleShowsItsSketchFrame) {
    Open("half-wave-dipole");
    auto* picture = Ctl<QLabel>(233);
    EXPECT_EQ(picture->frameShadow(), QFrame::Sunken);
    // The sketch at its own size, centred in the frame.
    const QImage sketch(resources::DipoleSketchPath());
    ASSERT_EQ(sketch.size(), QSize(229, 97));
    const QImage shown = picture->grab().toImage();
    const QRect inside = picture->contentsRect();
    ASSERT_TRUE(inside.width() >= sketch.width() && inside.height() >= sketch.height());
    const QPoint origin = inside.topLeft() + CentredPictureOrigin(inside.size(), sketch.size());
    for (int y = 0; y < sketch.height(); y += 5)
        for (int x = 0; x < sketch.width(); x += 5)
            ASSERT_EQ(shown.pixelColor(origin + QPoint(x, y)).rgb(), sketch.pixelColor(x, y).rgb())
                << x << "," << y;
}

// The walk chooses list items; a number typed into the field, or typed over the number of a
// chosen item, is read at OK just as well, and a list that does not learn stays as it was.
TEST_F(SingleFormTest, ComboTextIsReadAtOkWhetherTypedOrEdited) {
    const FormDefinition& form = *FindForm("conductor-resistance");
    for (const bool edited : {false, true}) {
        SCOPED_TRACE(edited ? "chosen item with its number edited" : "typed number");
        Open(form.slug);
        auto* material = Ctl<QComboBox>(107);
        QString name;  // what stays of the chosen item
        if (edited) {
            material->setCurrentIndex(0);
            name = material->currentText().section(u' ', 0, -2) + u' ';
            // Select the number behind the name and type the new one over it.
            material->lineEdit()->setFocus();
            QTest::keyClick(material->lineEdit(), Qt::Key_End);
            for (qsizetype i = name.size(); i < material->currentText().size(); ++i)
                QTest::keyClick(material->lineEdit(), Qt::Key_Left, Qt::ShiftModifier);
        }
        QTest::keyClicks(material->lineEdit(), QStringLiteral("0.02"));
        ASSERT_EQ(material->currentText(), name + QStringLiteral("0.02"));
        const std::string text = material->currentText().toStdString();
        Type(106, "1.5");
        Type(105, "100");
        Enter();
        const std::string_view texts[] = {text, "1.5", "100"};
        EXPECT_EQ(Text(111).toStdString(), Evaluate(form, texts).results.at(0));
        EXPECT_EQ(material->count(), qsizetype(form.lists.at(0).items.size())) << "the list learns nothing";
        EXPECT_TRUE(boxes.empty());
    }
}

TEST_F(SingleFormTest, LiquidMixingInputsStopAtTheFieldWidth) {
    Open("liquid-mixing");
    auto* edit = Ctl<QLineEdit>(1202);
    const QString many(120, QLatin1Char('7'));
    QTest::keyClicks(edit, many);
    const QString typed = edit->text();
    EXPECT_GT(typed.size(), 3);
    EXPECT_LT(typed.size(), many.size());
    EXPECT_TRUE(many.startsWith(typed));
    EXPECT_LT(edit->fontMetrics().horizontalAdvance(typed), edit->width());
    EXPECT_TRUE(Ctl<QLineEdit>(1200)->isReadOnly());
    EXPECT_TRUE(Ctl<QLineEdit>(1205)->isReadOnly());
}

}  // namespace
}  // namespace kalvora
