// SPDX-License-Identifier: MIT
// The calculator frame on forms made up for the test: combo boxes, learning lists, relabels,
// presets, several results, the lens form's own ids, the link label.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <array>

#include "calc/catalogue.h"
#include "calc/standard_evaluation.h"
#include "calc/standard_layout.h"
#include "config/contact_addresses.h"
#include "form_panel_fixture.h"
#include "qt/forms/calculator_form.h"
#include "qt/forms/control_factory.h"
#include "qt/forms/help_window.h"
#include "qt/forms/qt_text.h"
#include "qt/forms/static_cursor.h"
#include "qt/platform/dialog_units.h"
#include "qt/resource_paths.h"

namespace kalvora {
namespace {

using testing_support::ClientAreaTest;

double Product(std::span<const double> v) {
    double p = 1;
    for (double x : v) p *= x;
    return p;
}
Outcome EvaluateProduct(std::span<const std::string_view> texts) {
    return EvaluateStandard(texts, Product, ResultFormat::Fixed2);
}
// Three results: the product, the sum and the difference of two inputs.
Outcome EvaluateThree(std::span<const std::string_view> texts) {
    const auto numbers = ReadNonZeroInputs(texts);
    if (!numbers) return Outcome::Fail(InputError());
    const double a = (*numbers)[0], b = (*numbers)[1];
    return Outcome::Results({FormatResult(a * b, ResultFormat::Fixed3),
                             FormatResult(a + b, ResultFormat::Fixed3),
                             FormatResult(a - b, ResultFormat::Fixed2)});
}
FormDefinition BaseForm(std::string_view slug, std::vector<ControlDefinition> controls) {
    FormDefinition definition;
    definition.slug = slug;
    definition.title = "Zkouška";
    definition.dialog = {999, 120, 240, DialogFont::Dialog9pt, std::move(controls)};
    definition.evaluate = EvaluateProduct;
    return definition;
}

// A sorted combo with a tab stop, an unsorted one without, and an edit.
const FormDefinition& CombosForm() {
    static const FormDefinition definition = [] {
        FormDefinition s = BaseForm(
            "combos",
            Concat({ResultArea("Výsledek ="),
                    {{101, ControlKind::Label, "Lambda", 15, 80, 157, 12},
                     {208, ControlKind::ComboBox, "", 25, 90, 138, 84, kSorted | kTabStop | kNoAutoScroll},
                     {102, ControlKind::Label, "Materiál", 15, 115, 157, 8},
                     {107, ControlKind::ComboBox, "", 68, 125, 74, 84, kNoAutoScroll},
                     {-1, ControlKind::Label, "Třetí", 15, 150, 157, 8},
                     {106, ControlKind::Edit, "", 68, 160, 54, 12}},
                    ButtonRow(ButtonOrder::OkStorno)}));
        s.inputs = {{208, 3}, {107, 5}, {106, 7}};
        s.lists = {{208, FindForm("wall-thermal-resistance")->lists[0].items},
                   {107, {"stříbro 0.016", "měď 0.0175", "hliník 0.0285"}}};
        s.focusId = 208;
        s.focusAfterResult = false;
        return s;
    }();
    return definition;
}

// Three sorted combos that learn the texts OK reads, like the gravitation form.
const FormDefinition& LearningForm() {
    static const FormDefinition definition = [] {
        const unsigned style = kSorted | kVerticalScroll | kTabStop | kNoAutoScroll;
        FormDefinition s =
            BaseForm("learning", Concat({ResultArea("Síla ="),
                                         {StandardCaption(0, "m1")},
                                         {{107, ControlKind::ComboBox, "", 48, 90, 84, 60, style}},
                                         {StandardCaption(1, "m2")},
                                         {{106, ControlKind::ComboBox, "", 48, 125, 84, 60, style}},
                                         ButtonRow(ButtonOrder::OkStorno)}));
        s.inputs = {{107, 3}, {106, 5}};
        const std::vector<std::string_view> bodies{"Země 6e24", "Měsíc 7.5e22", "Slunce 2e30"};
        s.lists = {{107, bodies}, {106, bodies}};
        s.behaviours = kListsLearnTexts;
        s.focusId = 107;
        return s;
    }();
    return definition;
}

// Relabelled captions, presets, three results (two fields and a read-only edit).
const FormDefinition& ResultsForm() {
    static const FormDefinition definition = [] {
        FormDefinition s =
            BaseForm("results", {{118, ControlKind::CentredLabel, "Odpor", 15, 25, 153, 11},
                                 {100, ControlKind::Label, "Odpor R (Ohm)=", 18, 30, 70, 22},
                                 {111, ControlKind::ResultField, "0.00", 120, 30, 54, 12},
                                 {249, ControlKind::Label, "Zdánlivá tíha =", 18, 46, 90, 22},
                                 {250, ControlKind::ResultField, "0.00", 120, 50, 54, 12},
                                 {-1, ControlKind::SunkenLabel, "Rozdíl:", 141, 70, 74, 12},
                                 {1205, ControlKind::ReadOnlyEdit, "", 148, 84, 60, 15, kClientEdge},
                                 {101, ControlKind::Label, "Objem", 18, 110, 96, 12},
                                 {240, ControlKind::Edit, "", 121, 110, 54, 12, kClientEdge},
                                 {303, ControlKind::Label, "Hustota", 18, 130, 96, 12},
                                 {244, ControlKind::Edit, "", 121, 130, 54, 12, kClientEdge},
                                 {1, ControlKind::DefaultPushButton, "OK", 10, 220, 51, 15},
                                 {2, ControlKind::PushButton, "Storno", 126, 220, 51, 15}});
        s.relabels = {{118, ""}, {100, "Dráha s (m)"}};
        s.inputs = {{240, 7}, {244, 9}};
        s.presets = {{244, "voda 1000"}};
        s.resultIds = {111, 250, 1205};
        s.evaluate = EvaluateThree;
        s.focusId = 240;
        return s;
    }();
    return definition;
}

// OK and Storno with their own ids, a Help button that stores its picture, the system font.
const FormDefinition& LensLikeForm() {
    static const FormDefinition definition = [] {
        FormDefinition s =
            BaseForm("lens-like", {{100, ControlKind::Label, "Optická mohutnost =", 18, 48, 60, 9},
                                   {111, ControlKind::ResultField, "0.00", 120, 46, 54, 12},
                                   {226, ControlKind::DefaultPushButton, "OK", 10, 193, 50, 14},
                                   {230, ControlKind::PushButton, "Help", 68, 193, 50, 14},
                                   {227, ControlKind::PushButton, "Storno", 126, 193, 50, 14},
                                   {306, ControlKind::Edit, "", 121, 81, 54, 12, kClientEdge},
                                   {300, ControlKind::Edit, "", 121, 102, 54, 12, kClientEdge},
                                   {101, ControlKind::Label, "Index lomu materialu čočky", 18, 81, 96, 12},
                                   {303, ControlKind::Label, "Index lomu okolí", 18, 102, 96, 12}});
        s.dialog.font = DialogFont::System;
        s.inputs = {{306, 7}, {300, 8}};
        s.presets = {{306, "sklo 1.5"}};
        s.okId = 226;
        s.cancelId = 227;
        s.help = HelpAction::StorePicture;
        s.helpBitmapId = 2009;
        s.focusId = 306;
        return s;
    }();
    return definition;
}

// A link label below the buttons and a picture; Help shows the picture the opener stored.
const FormDefinition& LinkForm(bool articleLink) {
    static const auto make = [](bool link) {
        FormDefinition s = BaseForm(
            link ? "link" : "dead-link",
            Concat({ResultArea("Délka ="),
                    StandardInputRow(0, 107, "Frekvence"),
                    {{233, ControlKind::Picture, "MYBMP", 15, 114, 156, 68}},
                    ButtonRow(ButtonOrder::HelpOkStorno),
                    {{256, ControlKind::LinkLabel, "Dovanové stránky o PMR a CB", 15, 213, 157, 14}}}));
        s.inputs = {{107, 3}};
        s.behaviours = link ? kArticleLink : kNoBehaviour;
        s.help = link ? HelpAction::ShowStored : HelpAction::None;
        s.focusId = 107;
        s.focusAtOpen = false;
        return s;
    };
    static const FormDefinition withLink = make(true), withoutLink = make(false);
    return articleLink ? withLink : withoutLink;
}

// The program of these tests holds the made-up forms alone, in this order of slots.
std::span<const FormDefinition* const> VariantForms() {
    static const std::array<const FormDefinition*, 6> forms{
        &CombosForm(), &LearningForm(), &ResultsForm(), &LensLikeForm(), &LinkForm(true), &LinkForm(false)};
    return forms;
}

class FormVariantsTest : public ClientAreaTest {
protected:
    FormVariantsTest() { forms = VariantForms(); }

    QWidget* Open(const FormDefinition& definition) {
        const auto all = VariantForms();
        form_ = OpenSlot(int(std::find(all.begin(), all.end(), &definition) - all.begin()));
        return form_;
    }
    template <typename T = QWidget>
    T* Ctl(const char* name) const {
        T* widget = form_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static QStringList Items(const QComboBox& combo) {
        QStringList items;
        for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
        return items;
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    QPointer<QWidget> form_;
};

// The sorted list shows the program's order (Czech alphabetical, which the model's list-order
// tests check), not the order of the form's data, and nothing is chosen.
TEST_F(FormVariantsTest, SortedListShowsTheProgramsOrderWithNothingChosen) {
    Open(CombosForm());
    auto* combo = Ctl<QComboBox>("ctl208");
    QStringList expected, given;
    for (const std::string& item : window->State().forms[0]->Control(208)->items)
        expected << QString::fromStdString(item);
    for (std::string_view item : CombosForm().lists[0].items) given << ToQString(item);
    EXPECT_EQ(Items(*combo), expected);
    EXPECT_NE(Items(*combo), given) << "sorted, not as given";
    EXPECT_EQ(combo->count(), 20);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->currentText(), "");
    EXPECT_TRUE(combo->isEditable());
}

TEST_F(FormVariantsTest, UnsortedListKeepsTheOrderOfAdding) {
    Open(CombosForm());
    auto* combo = Ctl<QComboBox>("ctl107");
    EXPECT_EQ(Items(*combo), QStringList({"stříbro 0.016", "měď 0.0175", "hliník 0.0285"}));
    EXPECT_EQ(combo->currentText(), "");
}

TEST_F(FormVariantsTest, ComboTextIsReadAsAnInput) {
    Open(CombosForm());
    Ctl<QComboBox>("ctl208")->setCurrentIndex(0);  // "Beton hutný 1.30"
    QTest::keyClicks(Ctl<QComboBox>("ctl107"), "10");
    QTest::keyClicks(Ctl("ctl106"), "2");
    QTest::mouseClick(Ctl("ctl1"), Qt::LeftButton);
    EXPECT_EQ(Ctl<QLineEdit>("ctl111")->text(), "26.00");
    EXPECT_EQ(Ctl<QComboBox>("ctl107")->count(), 3) << "a form without learning lists adds nothing";
    EXPECT_EQ(QApplication::focusWidget(), Ctl("ctl1")) << "no focus after the result";
}

TEST_F(FormVariantsTest, TabPassesOverComboBoxesWithoutTabStop) {
    Open(CombosForm());
    EXPECT_EQ(QApplication::focusWidget(), Ctl("ctl208"));
    EXPECT_EQ(Ctl("ctl107")->focusPolicy(), Qt::ClickFocus);
    for (const char* next : {"ctl106", "ctl1", "ctl2", "ctl208"}) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Ctl(next)) << next;
    }
    // From the combo box that Tab skips, Tab goes on to the next tab stop after it.
    Ctl("ctl107")->setFocus();
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Ctl("ctl106"));
    Ctl("ctl107")->setFocus();
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Ctl("ctl208"));
}

TEST_F(FormVariantsTest, TypingStopsAtTheFieldWidthWhereTheFieldDoesNotScroll) {
    Open(CombosForm());
    const QString many(200, QLatin1Char('8'));
    QTest::keyClicks(Ctl("ctl106"), many);
    EXPECT_EQ(Ctl<QLineEdit>("ctl106")->text(), many) << "an auto-scrolling edit takes everything";

    auto* combo = Ctl<QComboBox>("ctl107");
    QTest::keyClicks(combo, many);
    const QString typed = combo->currentText();
    EXPECT_GT(typed.size(), 3);
    EXPECT_LT(typed.size(), 40);
    EXPECT_TRUE(many.startsWith(typed));
    EXPECT_LT(combo->lineEdit()->fontMetrics().horizontalAdvance(typed), combo->lineEdit()->width());
    // The field is full: one more character is refused, deleting still works.
    QTest::keyClick(combo, Qt::Key_8);
    EXPECT_EQ(combo->currentText(), typed);
    QTest::keyClick(combo, Qt::Key_Backspace);
    EXPECT_EQ(combo->currentText(), typed.chopped(1));
}

TEST_F(FormVariantsTest, ListsLearnTypedTextsOnceWithoutRegardToCase) {
    Open(LearningForm());
    auto* m1 = Ctl<QComboBox>("ctl107");
    QTest::keyClicks(m1, "abc");
    Press(Qt::Key_Return);
    EXPECT_EQ(Items(*m1), QStringList({"abc", "Měsíc 7.5e22", "Slunce 2e30", "Země 6e24"}));
    EXPECT_EQ(m1->currentText(), "abc");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Zadejte do pole číslici");
    EXPECT_EQ(Ctl<QComboBox>("ctl106")->count(), 3) << "an empty field teaches nothing";

    Press(Qt::Key_Return);
    EXPECT_EQ(m1->count(), 4) << "a learnt text is not added again";

    m1->setEditText("ZEMĚ 6E24");
    Ctl<QComboBox>("ctl106")->setEditText("2");
    Press(Qt::Key_Return);
    EXPECT_EQ(m1->count(), 4) << "a text differing only in case is found";
    EXPECT_EQ(Items(*Ctl<QComboBox>("ctl106")),
              QStringList({"2", "Měsíc 7.5e22", "Slunce 2e30", "Země 6e24"}));
    EXPECT_EQ(Ctl<QLineEdit>("ctl111")->text(), "12000000000000000000000000.00");
}

TEST_F(FormVariantsTest, RelabelsPresetsAndSeveralResults) {
    Open(ResultsForm());
    EXPECT_EQ(Ctl<QLabel>("ctl118")->text(), "");
    EXPECT_EQ(Ctl<QLabel>("ctl100")->text(), "Dráha s (m)");
    EXPECT_EQ(Ctl<QLineEdit>("ctl244")->text(), "voda 1000");
    EXPECT_EQ(Ctl<QLineEdit>("ctl240")->text(), "");
    EXPECT_TRUE(Ctl<QLineEdit>("ctl1205")->isReadOnly());
    EXPECT_EQ(QApplication::focusWidget(), Ctl("ctl240"));

    QTest::keyClicks(Ctl("ctl240"), "0.002");
    Press(Qt::Key_Return);
    EXPECT_EQ(Ctl<QLineEdit>("ctl111")->text(), "2.000");
    EXPECT_EQ(Ctl<QLineEdit>("ctl250")->text(), "1000.002");
    EXPECT_EQ(Ctl<QLineEdit>("ctl1205")->text(), "-1000.00");

    Ctl<QLineEdit>("ctl244")->setText("voda");
    Press(Qt::Key_Return);
    EXPECT_EQ(Ctl<QLineEdit>("ctl250")->text(), "1000.002") << "an input error leaves every result";
    EXPECT_EQ(Ctl<QLineEdit>("ctl1205")->text(), "-1000.00");
}

TEST_F(FormVariantsTest, ResultsAreNamedByTheCaptionBesideOrAboveThem) {
    Open(ResultsForm());
    EXPECT_EQ(Ctl("ctl111")->accessibleName(), "Dráha s (m)");
    EXPECT_EQ(Ctl("ctl250")->accessibleName(), "Zdánlivá tíha =");
    EXPECT_EQ(Ctl("ctl1205")->accessibleName(), "Rozdíl:");
    EXPECT_EQ(Ctl("ctl240")->accessibleName(), "Objem");
    EXPECT_EQ(Ctl("ctl244")->accessibleName(), "Hustota");
}

TEST_F(FormVariantsTest, StaticControlsShowTheHandOthersTheirOwnCursor) {
    Open(ResultsForm());
    const Qt::CursorShape hand = StaticControlCursor().shape();
    EXPECT_EQ(Ctl("ctl100")->cursor().shape(), hand);
    EXPECT_EQ(Ctl("ctl111")->cursor().shape(), hand);
    EXPECT_EQ(Ctl("ctl118")->cursor().shape(), hand);
    EXPECT_FALSE(Ctl("ctl1")->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(Ctl("ctl240")->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(FormVariantsTest, LensFormIdsEnterComputesEscapeDoesNothing) {
    Open(LensLikeForm());
    EXPECT_EQ(form_->font(), platform::DialogFontFor(DialogFont::System));
    EXPECT_EQ(Ctl<QLineEdit>("ctl306")->text(), "sklo 1.5");
    QTest::keyClicks(Ctl("ctl300"), "2");
    Press(Qt::Key_Return);
    EXPECT_EQ(Ctl<QLineEdit>("ctl111")->text(), "3.00");
    Press(Qt::Key_Escape);
    EXPECT_TRUE(form_->isVisible());

    QTest::mouseClick(Ctl("ctl230"), Qt::LeftButton);
    EXPECT_EQ(HelpPicture(), 2009);
    EXPECT_NE(HelpWindow(), nullptr);
    QTest::mouseClick(Ctl("ctl227"), Qt::LeftButton);
    EXPECT_FALSE(form_->isVisible());
    EXPECT_EQ(HelpWindow(), nullptr);
}

TEST_F(FormVariantsTest, MadeUpFormsTakeTheSlotsOfTheirProgram) {
    Open(LensLikeForm());
    EXPECT_EQ(window->FormWindow(3), form_);
    EXPECT_EQ(ActiveForm(), form_);
    EXPECT_EQ(form_->objectName(), "form_lens-like");
}

TEST_F(FormVariantsTest, HelpShowsTheStoredPictureOrDoesNothing) {
    Open(LensLikeForm());
    QTest::mouseClick(Ctl("ctl230"), Qt::LeftButton);  // stores 2009
    Open(LinkForm(true));
    EXPECT_EQ(HelpWindow(), nullptr) << "an opening closes the help window";
    QTest::mouseClick(Ctl("ctl230"), Qt::LeftButton);
    EXPECT_EQ(HelpPicture(), 2009);
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(qobject_cast<kalvora::HelpWindow*>(HelpWindow())->PictureId(), 2009);

    Open(LinkForm(false));
    QTest::mouseClick(Ctl("ctl230"), Qt::LeftButton);
    EXPECT_EQ(HelpWindow(), nullptr);
}

TEST_F(FormVariantsTest, NoFocusAtOpeningWhereTheFormSetsNone) {
    Open(LinkForm(true));
    EXPECT_FALSE(form_->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(FormVariantsTest, LinkLabelOpensTheArticleOnEveryClick) {
    Open(LinkForm(true));
    auto* link = Ctl<QLabel>("ctl256");
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(link->font().family(), "Times New Roman");
    EXPECT_EQ(link->font().pixelSize(), 22);
    EXPECT_TRUE(link->font().italic());
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);

    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(urls_.urls.size(), 1u);
    EXPECT_EQ(urls_.urls[0], QUrl(QString::fromUtf8(config::kCoaxArticleUrl)));
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseDClick(link, Qt::LeftButton);
    EXPECT_EQ(urls_.urls.size(), 3u) << "a double click is a second notification";

    Open(LinkForm(false));
    QTest::mouseClick(Ctl("ctl256"), Qt::LeftButton);
    EXPECT_EQ(urls_.urls.size(), 3u) << "only the article link opens anything";
}

TEST_F(FormVariantsTest, PictureShowsTheNamedResourceInASunkenFrame) {
    Open(LinkForm(true));
    auto* picture = Ctl<QLabel>("ctl233");
    EXPECT_EQ(picture->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(picture->alignment(), Qt::AlignCenter);
    const QPixmap expected(resources::DipoleSketchPath());
    EXPECT_EQ(picture->pixmap().isNull(), expected.isNull());
    if (!expected.isNull()) {
        EXPECT_EQ(picture->pixmap().size(), QSize(229, 97));
    }
}

TEST(PicturePath, NamesAndIds) {
    EXPECT_EQ(PicturePath("MYBMP"), resources::DipoleSketchPath());
    EXPECT_EQ(PicturePath("2009"), resources::HelpPicturePath(2009));
    EXPECT_EQ(PicturePath("OTHER"), QString());
    EXPECT_EQ(PicturePath("12x"), QString());
}

}  // namespace
}  // namespace kalvora
